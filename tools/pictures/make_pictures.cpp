// make_pictures <folder>: draws every built-in picture of the saver and writes it into the
// folder (committed under saver/resources; see README.md).
#include <cstdio>
#include <filesystem>

#include "tools/file_bytes.h"
#include "tools/pictures/picture_catalogue.h"
#include "tools/pictures/picture_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    int failures = 0;
    for (const pictures::PictureFile& file : pictures::builtInPictures()) {
        const std::filesystem::path path = folder / file.name;
        if (tools::writeFileBytes(path, pictures::encodePictureFile(file.name, file.draw()))) {
            std::printf("wrote %s\n", path.string().c_str());
        } else {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
