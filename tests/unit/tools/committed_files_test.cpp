// The drawn pictures and the jet model are generated files: the committed ones must still be
// what the generators make today.
#include "tests/unit/tools/committed_files.h"
#include "tools/jet_model/jet_design.h"
#include "tools/pictures/picture_catalogue.h"
#include "tools/pictures/picture_files.h"

TEST(committed_files, PicturesMatchAFreshDrawing) {
    for (const pictures::PictureFile& file : pictures::builtInPictures()) {
        committed::expectCommittedPicturesMatch(
            std::string(file.name), pictures::encodePictureFile(file.name, file.draw()));
    }
}

// Byte for byte: the generator's arithmetic is plain double precision without fused
// multiply-adds (the x86-64 baseline has none), so every build writes the same file.
TEST(committed_files, JetModelIsWhatTheGeneratorWrites) {
    const NamedModel jet = buildJetModel();
    EXPECT_TRUE(committed::readFile("data/Soravane.data") == writeMs3d(jet.model, jet.names))
        << "data/Soravane.data is stale: run the update_jet_model target";
}
