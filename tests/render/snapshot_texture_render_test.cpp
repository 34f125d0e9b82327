// The snapshot textures: their mipmap levels are GLU's, bit for bit, whether made from a
// picture or from a bitmap file's own rows, and pictures read ahead land in their own slots,
// while a file that could not be read ahead, or was made for another size, is read again.
#include <GL/osmesa.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "scene/mipmap_levels.h"
#include "scene/mipmaps.h"
#include "scene/snapshot_read_ahead.h"
#include "tests/support/bmp_file_writer.h"
#include "tests/support/temp_folder.h"
#include "tests/unit/bitmap/bitmap_error_recorder.h"

namespace {

class SnapshotTextures : public testing::Test {
protected:
    ~SnapshotTextures() override { OSMesaDestroyContext(context_); }
    void SetUp() override {
        ASSERT_TRUE(OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, 1, 1));
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
    }

    // Each level's size and texels, as the renderer holds them.
    static std::pair<std::vector<GLint>, std::vector<uint8_t>> levelsOf(GLuint texture) {
        glBindTexture(GL_TEXTURE_2D, texture);
        std::pair<std::vector<GLint>, std::vector<uint8_t>> all;
        for (GLint level = 0;; ++level) {
            GLint width = 0, height = 0;
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
            if (width == 0) {
                return all;
            }
            std::vector<uint8_t> texels(static_cast<size_t>(width * height) * 3);
            glGetTexImage(GL_TEXTURE_2D, level, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
            all.first.insert(all.first.end(), {width, height});
            all.second.insert(all.second.end(), texels.begin(), texels.end());
        }
    }

private:
    std::vector<uint8_t> buffer_ = std::vector<uint8_t>(4);
    OSMesaContext context_ = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
};

TEST_F(SnapshotTextures, EveryLevelIsTheOneGluBuildsFromThePictureOrFromABitmapsOwnRows) {
    // Scaled up, down, both ways, one way, not at all; single rows and columns; rows padded
    // by 0 to 3 bytes in a bitmap file.
    uint32_t noise = 1;
    const std::pair<int, int> sizes[] = {
        {1920, 1080}, {1024, 768}, {1366, 768}, {1280, 1024}, {2560, 1440}, {512, 512}, {32, 32},
        {1, 1},       {5, 1},      {1, 6},      {3, 3},       {33, 17},     {300, 40},  {7, 1000}};
    for (const auto& [width, height] : sizes) {
        RgbImage picture{width, height, std::vector<uint8_t>(size_t(width * height) * 3)};
        for (uint8_t& byte : picture.pixels) {
            noise = noise * 214013 + 2531011;
            byte = static_cast<uint8_t>(noise >> 16);
        }
        // The same picture as a bitmap file stores it: blue, green, red, rows padded.
        const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
        std::vector<uint8_t> stored(stride * size_t(height));
        for (int i = 0; i < width * height; ++i) {
            const uint8_t* rgb = &picture.pixels[size_t(i) * 3];
            uint8_t* bgr = &stored[size_t(i / width) * stride + size_t(i % width) * 3];
            std::reverse_copy(rgb, rgb + 3, bgr);
        }
        const RgbRows storedRows{stored.data(), stride, width, height, true};
        GLuint textures[3] = {};
        glGenTextures(3, textures);
        glBindTexture(GL_TEXTURE_2D, textures[0]);
        ASSERT_EQ(buildMipmaps(picture), GLenum{GL_NO_ERROR});
        glBindTexture(GL_TEXTURE_2D, textures[1]);
        ASSERT_EQ(uploadMipmaps(mipmapLevels(storedRows, mipmapSide(width), mipmapSide(height))),
                  GLenum{GL_NO_ERROR});
        glBindTexture(GL_TEXTURE_2D, textures[2]);
        ASSERT_EQ(gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE,
                                    picture.pixels.data()),
                  0);
        const auto glu = levelsOf(textures[2]);
        EXPECT_TRUE(levelsOf(textures[0]) == glu) << width << " x " << height;
        EXPECT_TRUE(levelsOf(textures[1]) == glu) << width << " x " << height << " from rows";
        glDeleteTextures(3, textures);
    }
}

TEST_F(SnapshotTextures, PicturesReadAheadFillTheirSlotsAndOnesThatWereNotAreReadAgain) {
    TempFolder folder;
    const std::string sky = folder.file("sky.bmp"), ground = folder.file("ground.bmp");
    ASSERT_TRUE(writeSolidTestBmp(sky, 16, 8, {0, 0, 255}));
    ASSERT_TRUE(writeSolidTestBmp(ground, 40, 8, {0, 255, 0}));
    const std::string smoke = folder.write("smoke.bmp", {'B', 'M', 0});
    const SnapshotPaths paths{sky.c_str(), ground.c_str(), smoke.c_str()};
    RecordingErrorBox errors;
    SnapshotReadAhead readAhead(paths);
    PreparedPictures& pictures = readAhead.pictures();
    // Levels read ahead are used as they are, with no file to read again; levels made for
    // another size than the renderer's are not: that file is read again.
    ASSERT_TRUE(std::filesystem::remove(sky));
    pictures[kGroundTexture].levels =
        mipmapLevels(RgbImage{40, 8, std::vector<uint8_t>(960)}, 32, 4);
    World world;
    ASSERT_TRUE(loadSnapshotTextures(world, paths, pictures.data()));
    const auto skyLevels = levelsOf(world.textures[kSkyTexture]);
    const auto groundLevels = levelsOf(world.textures[kGroundTexture]);
    EXPECT_EQ((std::vector<GLint>{skyLevels.first[0], skyLevels.second[0], skyLevels.second[2],
                                  groundLevels.first[0], groundLevels.second[1]}),
              (std::vector<GLint>{16, 0, 255, 32, 255}));
    EXPECT_EQ(std::pair(world.textures[kSmokeTexture], errors.shown),
              std::pair(0u, std::string("[Error: Unknown DIB file format.]")));
}

}  // namespace
