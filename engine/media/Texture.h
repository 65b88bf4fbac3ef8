#pragma once

#include "engine/core/FilePath.h"
#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"
#include "platform/graphics/Image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zelka {

// An image loaded once per (path, frame count) and shared by everyone on the stage who asks
// for the same pair. Every texture is listed in a process-wide registry under an id that is
// never reused; Deallocate takes it out again (for all its users at once), unless it is kept.
// A texture whose file is missing or undecodable simply has no image.
class Texture : public Object, public Resource {
public:
    // Set by the application before the first stage: from then on image paths get the
    // enciphered extension (png -> imx, jpg -> imy) and are read through the asset container.
    static inline bool encryptionEnabled = false;

    // The registered texture of (path, 1 frame), else a new unkept one.
    static Ref<Texture> GetTexture(const String& path);
    // The registered texture of (path, frames), returned unchanged (keep flag included),
    // else a new one. Paths compare exactly, case included.
    static Ref<Texture> GetTexture(const String& path, int frames, bool keep);
    // The lowest-id registered texture of exactly (path, frames); null when none.
    static Ref<Texture> SearchTexture(const String& path, int frames);
    // Always a new registered texture, no search. frames below 1 count as 1.
    static Ref<Texture> New(const String& path, int frames, bool keep);
    static Ref<Texture> New2(const String& path);
    // A registered texture made from 0xAARRGGBB pixels (rows of `width`), `frames` frames of
    // width x height side by side, centred handle. Without a graphics device it has no image.
    static Ref<Texture> New3(std::span<const int> pixels, int width, int height,
                             const String& path, bool keep, int frames);

    // Registers under the next id and returns that id; removes an id (nothing else).
    static int AddTextureToStack_(const Ref<Texture>& texture);
    static void RemoveTextureFromStack_(int id);
    // The name of the enciphered file for an image path (see the .cpp for the rule).
    static String EncryptedFileName_(const String& path);

    // Draws every frame of each registered, undrawn texture that has an image once at (0, 0)
    // and marks it drawn, so its first real use does not stall. Runs behind the loading screen.
    static void RenderUndrawnTextures();

    // Registry queries, for the stage and for tests.
    static int RegisteredCount();
    static int NextId();

    const Ref<Image>& GetImage() const { return image_; }
    const String& GetSource() const { return source_; }
    int GetWidth() const { return image_ ? image_->Width() : 0; }    // frame width
    int GetHeight() const { return image_ ? image_->Height() : 0; }  // frame height
    int GetTotalFrames() const { return totalFrames_; }
    int GetId() const { return id_; }
    bool IsUndrawn() const { return undrawn_; }
    bool IsKept() const { return keep_; }
    bool IsRegistered() const { return registered_; }

    // Unless kept: leaves the registry, discards the image's surface (not a grabbed
    // sub-image's, which belongs to its source) and drops the image. Safe to call twice.
    void Deallocate() override;

    // Not for direct use: construction goes through the static factories.
    Texture() = default;

private:
    static Ref<Texture> Create(const String& path, int frames, bool keep);

    String source_;
    Ref<Image> image_;
    int totalFrames_ = 1;
    bool undrawn_ = true;
    bool keep_ = false;
    bool registered_ = false;
    int id_ = -1;
};

// Image loading from the data folder, plain or enciphered.
namespace texture {

// Reads the enciphered image at `path` (a data path, already renamed .imx/.imy), decodes it
// at its own channel count, uploads it and splits it into `frames` frames with `flags`.
// Null when the file is missing, fails the container checks or cannot be decoded, or when
// there is no graphics device.
[[nodiscard]] Ref<Image> LoadImageEnc(std::string_view path, int frames, int flags);

// Decoded RGBA bytes (4 per pixel, not premultiplied) of an enciphered image; none on the
// same failures. size[0] and size[1] receive width and height as far as `size` has room.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> LoadImageDataEnc(std::string_view path,
                                                                        std::span<int> size);

// One 0xAARRGGBB int per pixel, rows from the top left, of an image path (renamed and
// deciphered when enciphered loading is on). Empty when the image cannot be read. size[0]
// and size[1] receive width and height as far as `size` has room.
[[nodiscard]] std::vector<int> GetImagePixels(const String& path, std::span<int> size = {});

// An enciphered image loaded as one frame and then cut into `frames` frames of the given
// size; null on a load failure.
[[nodiscard]] Ref<Image> LoadImageEnc2(std::string_view path, int frameWidth, int frameHeight,
                                       int frames, int flags);

}  // namespace texture

}  // namespace zelka
