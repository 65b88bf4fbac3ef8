// The game's entry point. Until the host lands this only proves the build links.
int main()
{
    return 0;
}
