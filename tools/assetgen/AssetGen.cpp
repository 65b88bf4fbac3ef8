// The data set generator: writes every file of the manifest into a data folder.
//   zelka_assetgen <data dir> [--contact <dir>] [--check] [--stamp <file>]
// --check generates in memory and compares with what <data dir> holds (exit 1 on any
// difference), which is how the build proves the output is deterministic.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "engine/crypt/FileCrypt.h"
#include "tools/assetgen/Art.h"
#include "tools/assetgen/Audio.h"
#include "tools/assetgen/ContactSheet.h"
#include "tools/assetgen/Glyphs.h"
#include "tools/assetgen/Manifest.h"

namespace fs = std::filesystem;
using namespace zelka;
using namespace zelka::assets;

namespace {

struct Options {
    fs::path out;
    fs::path contact;
    fs::path stamp;
    bool check = false;
};

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// Plain file bytes for one entry (before enciphering); runs on worker threads.
std::vector<uint8_t> Build(const AssetEntry& e, const std::map<int, Wave>& voices)
{
    switch (e.kind) {
    case AssetKind::FontText:
        return Bytes(e.path == "press_start_k.fnt" ? BuildStdFont().description : BuildSecFont().description);
    case AssetKind::PlainPng:
    case AssetKind::EncImage: {
        const Canvas c = MakeImage(e.path);
        if (c.W() != e.width || c.H() != e.height) {
            std::fprintf(stderr, "assetgen: %s is %dx%d, manifest says %dx%d\n", e.path.c_str(), c.W(), c.H(),
                         e.width, e.height);
            std::exit(2);
        }
        return EncodePng(c);
    }
    case AssetKind::Sfx: {
        auto it = voices.find(e.number);
        return MakeSfx(e.number, it == voices.end() ? Wave{} : it->second);
    }
    case AssetKind::Music:
        return MakeMusic(e.number);
    }
    return {};
}

bool ReadFile(const fs::path& p, std::vector<uint8_t>& out)
{
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

bool WriteFile(const fs::path& p, const std::vector<uint8_t>& bytes)
{
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

int Usage()
{
    std::fprintf(stderr, "usage: zelka_assetgen <data dir> [--contact <dir>] [--check] [--stamp <file>]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--contact" && i + 1 < argc) opt.contact = argv[++i];
        else if (a == "--stamp" && i + 1 < argc) opt.stamp = argv[++i];
        else if (a == "--check") opt.check = true;
        else if (!a.empty() && a[0] != '-' && opt.out.empty()) opt.out = a;
        else return Usage();
    }
    if (opt.out.empty()) return Usage();
    const auto start = std::chrono::steady_clock::now();

    // The speech engine is a single global instance: speak every line up front.
    std::map<int, Wave> voices;
    for (int n : SfxNumbers()) {
        Wave w = SpeakForEffect(n);
        if (!w.empty()) voices[n] = std::move(w);
    }
    ShutdownSpeech();

    const std::vector<AssetEntry>& manifest = Manifest();
    std::vector<std::vector<uint8_t>> plain(manifest.size());
    // Longest jobs (music) first so the pool finishes together.
    std::vector<size_t> order(manifest.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_partition(order.begin(), order.end(), [&](size_t i) { return manifest[i].kind == AssetKind::Music; });
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t k; (k = next++) < order.size();) plain[order[k]] = Build(manifest[order[k]], voices);
    };
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (std::thread& t : pool) t.join();

    size_t total = 0;
    int mismatches = 0;
    for (size_t i = 0; i < manifest.size(); ++i) {
        const AssetEntry& e = manifest[i];
        const bool enc = e.kind == AssetKind::EncImage || e.kind == AssetKind::Sfx || e.kind == AssetKind::Music;
        // The cipher's generator is process-global, so enciphering stays on this thread.
        const std::vector<uint8_t> bytes = enc ? FileCrypt::Encipher(plain[i]) : plain[i];
        total += bytes.size();
        const fs::path target = opt.out / e.path;
        if (opt.check) {
            std::vector<uint8_t> old;
            if (!ReadFile(target, old) || old != bytes) {
                std::fprintf(stderr, "assetgen: %s differs from a fresh build\n", e.path.c_str());
                ++mismatches;
            }
        } else if (!WriteFile(target, bytes)) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", target.c_str());
            return 1;
        }
    }
    if (!opt.contact.empty()) WriteContactSheets(opt.contact);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %zu files, %zu bytes, %.2f s%s\n", manifest.size(), total, secs,
                opt.check ? (mismatches ? ", MISMATCH" : ", identical") : "");
    if (!opt.check && !opt.stamp.empty()) WriteFile(opt.stamp, Bytes("ok\n"));
    return mismatches ? 1 : 0;
}
