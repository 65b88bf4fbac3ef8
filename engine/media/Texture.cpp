#include "engine/media/Texture.h"

#include "engine/crypt/FileCrypt.h"
#include "platform/files/DataPath.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/GraphicsDevice.h"

#include <algorithm>
#include <map>

namespace zelka {

namespace {

constexpr int kAlphaShift = 24;
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;
constexpr int kRgbaBytes = 4;

struct Registry {
    std::map<int, Ref<Texture>> textures;   // by id, ascending: the search order
    int nextId = 0;                         // never reused
};

Registry& GetRegistry()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static Registry& registry = *new Registry;
    return registry;
}

std::string DataFilePath(std::string_view path)
{
    return files::PathToFilePath(data::FixDataPath(path));
}

std::optional<std::vector<std::uint8_t>> DecipherImageFile(std::string_view path)
{
    return FileCrypt::DecryptFileToMem(DataFilePath(path));
}

void StoreSize(std::span<int> size, int width, int height)
{
    if (!size.empty()) {
        size[0] = width;
    }
    if (size.size() > 1) {
        size[1] = height;
    }
}

// Widened RGBA bytes to 0xAARRGGBB ints.
std::vector<int> PackArgb(const std::vector<std::uint8_t>& rgba)
{
    std::vector<int> argb(rgba.size() / kRgbaBytes);
    for (std::size_t i = 0; i < argb.size(); ++i) {
        const std::uint8_t* p = &rgba[i * kRgbaBytes];
        argb[i] = static_cast<int>((static_cast<std::uint32_t>(p[3]) << kAlphaShift) |
                                   (static_cast<std::uint32_t>(p[0]) << kRedShift) |
                                   (static_cast<std::uint32_t>(p[1]) << kGreenShift) | p[2]);
    }
    return argb;
}

}  // namespace

// title/logo.PNG -> title/logo.imx, bg.JPG -> bg.imy, a/b.bmp stays, and a path without an
// extension gains a trailing "." (maps.old/level -> maps.old/level.): the asset tool names
// its files by the same rule.
String Texture::EncryptedFileName_(const String& path)
{
    return filepath::EncipheredName(path, {{U"png", U"imx"}, {U"jpg", U"imy"}});
}

Ref<Texture> Texture::Create(const String& path, int frames, bool keep)
{
    auto texture = std::make_shared<Texture>();
    texture->undrawn_ = true;
    texture->source_ = path;
    texture->totalFrames_ = std::max(frames, 1);
    if (encryptionEnabled) {
        texture->image_ = texture::LoadImageEnc(ToUtf8(EncryptedFileName_(path)),
                                                texture->totalFrames_, kImageMidHandle);
    } else {
        texture->image_ =
            graphics::LoadImage(ToUtf8(path), texture->totalFrames_, kImageMidHandle);
    }
    texture->keep_ = keep;
    AddTextureToStack_(texture);
    return texture;
}

Ref<Texture> Texture::GetTexture(const String& path)
{
    return GetTexture(path, 1, false);
}

Ref<Texture> Texture::GetTexture(const String& path, int frames, bool keep)
{
    if (Ref<Texture> found = SearchTexture(path, frames)) {
        return found;
    }
    return Create(path, frames, keep);
}

Ref<Texture> Texture::SearchTexture(const String& path, int frames)
{
    for (const auto& [id, texture] : GetRegistry().textures) {
        if (texture->source_ == path && texture->totalFrames_ == frames) {
            return texture;
        }
    }
    return nullptr;
}

Ref<Texture> Texture::New(const String& path, int frames, bool keep)
{
    return Create(path, frames, keep);
}

Ref<Texture> Texture::New2(const String& path)
{
    return Create(path, 1, false);
}

Ref<Texture> Texture::New3(std::span<const int> pixels, int width, int height,
                           const String& path, bool keep, int frames)
{
    auto texture = std::make_shared<Texture>();
    texture->source_ = path;
    texture->totalFrames_ = std::max(frames, 1);
    texture->keep_ = keep;
    texture->image_ = graphics::CreateImage(width, height, texture->totalFrames_, kImageMidHandle);
    if (texture->image_) {
        texture->image_->WritePixels(pixels, 0, 0, width, height, 0, width);
    }
    AddTextureToStack_(texture);
    return texture;
}

int Texture::AddTextureToStack_(const Ref<Texture>& texture)
{
    Registry& registry = GetRegistry();
    const int id = registry.nextId++;
    texture->id_ = id;
    texture->registered_ = true;
    registry.textures[id] = texture;
    return id;
}

void Texture::RemoveTextureFromStack_(int id)
{
    Registry& registry = GetRegistry();
    const auto it = registry.textures.find(id);
    if (it != registry.textures.end()) {
        it->second->registered_ = false;
        registry.textures.erase(it);
    }
}

int Texture::RegisteredCount()
{
    return static_cast<int>(GetRegistry().textures.size());
}

int Texture::NextId()
{
    return GetRegistry().nextId;
}

void Texture::RenderUndrawnTextures()
{
    // A snapshot: drawing never registers textures, but the registry must not change under
    // the walk whatever a device does.
    const std::map<int, Ref<Texture>> textures = GetRegistry().textures;
    for (const auto& [id, texture] : textures) {
        if (!texture->undrawn_ || !texture->image_) {
            continue;
        }
        for (int frame = 0; frame < texture->image_->Frames(); ++frame) {
            graphics::DrawImage(*texture->image_, 0, 0, frame);
        }
        texture->undrawn_ = false;
    }
}

void Texture::Deallocate()
{
    if (keep_) {
        return;
    }
    if (registered_) {
        RemoveTextureFromStack_(id_);
    }
    if (image_) {
        image_->Discard();   // does nothing for a grabbed sub-image
        image_.reset();
    }
}

namespace texture {

Ref<Image> LoadImageEnc(std::string_view path, int frames, int flags)
{
    GraphicsDevice* device = graphics::GetGraphicsDevice();
    if (device == nullptr) {
        return nullptr;
    }
    ImageData decoded;
    {
        const std::optional<std::vector<std::uint8_t>> bytes = DecipherImageFile(path);
        if (!bytes || !DecodeImageData(*bytes, decoded)) {
            return nullptr;
        }
    }   // the deciphered file is freed here, before the upload
    Ref<Surface> surface = device->NewSurface();
    if (!surface ||
        !surface->SetData(std::move(decoded.pixels), decoded.width, decoded.height, decoded.depth)) {
        return nullptr;
    }
    surface->Bind();
    auto image = std::make_shared<Image>();
    image->Init(std::move(surface), frames, flags);
    return image;
}

std::optional<std::vector<std::uint8_t>> LoadImageDataEnc(std::string_view path,
                                                          std::span<int> size)
{
    ImageData decoded;
    {
        const std::optional<std::vector<std::uint8_t>> bytes = DecipherImageFile(path);
        if (!bytes || !DecodeImageData(*bytes, decoded)) {
            return std::nullopt;
        }
    }
    if (!WidenToRgba(decoded)) {
        return std::nullopt;
    }
    StoreSize(size, decoded.width, decoded.height);
    return std::move(decoded.pixels);
}

std::vector<int> GetImagePixels(const String& path, std::span<int> size)
{
    if (Texture::encryptionEnabled) {
        const std::optional<std::vector<std::uint8_t>> rgba =
            LoadImageDataEnc(ToUtf8(Texture::EncryptedFileName_(path)), size);
        return rgba ? PackArgb(*rgba) : std::vector<int>();
    }
    ImageData decoded;
    if (!LoadImageData(DataFilePath(ToUtf8(path)), decoded) || !WidenToRgba(decoded)) {
        return {};
    }
    StoreSize(size, decoded.width, decoded.height);
    return PackArgb(decoded.pixels);
}

Ref<Image> LoadImageEnc2(std::string_view path, int frameWidth, int frameHeight, int frames,
                         int flags)
{
    const Ref<Image> whole = LoadImageEnc(path, 1, 0);
    if (!whole || whole->Frames() != 1) {
        return nullptr;
    }
    return whole->GrabImage(0, 0, frameWidth, frameHeight, frames, flags);
}

}  // namespace texture

}  // namespace zelka
