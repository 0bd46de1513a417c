// Every source file belongs to one library, and may include headers only from its own library and
// the libraries below it. A header included from a higher layer makes a cycle that the build does
// not declare, so this test reads the include lines of the whole tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Which library a file of the tree belongs to, by path prefix; the longest prefix wins, so the
// dialogs in random/ui/ and export/ui/ are libraries of their own.
const std::vector<std::pair<std::string, std::string>> library_of_prefix = {
    {"model/", "model"},
    {"compositor/", "compositor"},
    {"formats/", "formats"},
    {"assets/", "assets"},
    {"random/", "random"},
    {"random/ui/", "random_ui"},
    {"export/", "export"},
    {"export/ui/", "export_ui"},
    {"widgets/", "widgets"},
    {"dialogs/", "dialogs"},
    {"editor/", "editor"},
    {"sprites/", "sprites"},
    {"sprites/ui/", "sprites_ui"},
    {"app/render/", "render"},
    {"app/", "app"},
    {"tools/palettes/", "palettegen"},
    {"tools/sheetgen/", "sheetgen"},
    {"tools/about/", "aboutgen"},
};

// What each library may include besides itself.
const std::map<std::string, std::set<std::string>> allowed = {
    {"model", {}},
    {"compositor", {"model"}},
    {"formats", {"model"}},
    {"assets", {"compositor", "model"}},
    {"random", {"model"}},
    {"export", {"formats", "compositor", "model"}},
    {"sprites", {"export", "random", "assets", "formats", "compositor", "model"}},
    // The window: widgets below the dialogs, the dialogs below the main window. The surface view
    // shows its surface through the image codec of assets/.
    {"widgets", {"assets", "compositor", "model"}},
    {"random_ui", {"widgets", "random", "assets", "compositor", "model"}},
    {"export_ui", {"widgets", "export", "assets", "compositor", "model"}},
    {"dialogs", {"widgets", "assets", "compositor", "model"}},
    // The animation preview and the sprite-set export draw through the sprite pipeline.
    {"sprites_ui",
     {"widgets", "sprites", "export", "random", "assets", "formats", "compositor", "model"}},
    // The main window encodes the picture it copies and drags with the file encoders.
    {"editor",
     {"sprites_ui", "random_ui", "export_ui", "dialogs", "widgets", "export", "random", "assets",
      "formats", "compositor", "model"}},
    {"render", {"sprites", "export", "random", "assets", "formats", "compositor", "model"}},
    {"app",
     {"editor", "sprites_ui", "random_ui", "export_ui", "dialogs", "widgets", "render", "sprites",
      "export", "random", "assets", "formats", "compositor", "model"}},
    // The generators' programs write their pictures with the program's image codec and encoders.
    {"palettegen", {"assets", "formats", "compositor", "model"}},
    {"sheetgen", {"assets", "formats", "compositor", "model"}},
    {"aboutgen", {"sheetgen", "palettegen", "assets", "formats", "compositor", "model"}},
};

std::string library_of(const std::string& path) {
    std::string best;
    std::size_t best_length = 0;
    for (const auto& [prefix, library] : library_of_prefix) {
        if (path.rfind(prefix, 0) == 0 && prefix.size() > best_length) {
            best = library;
            best_length = prefix.size();
        }
    }
    return best;
}

// The header of a line `#include "header"`, spaces allowed around the hash.
std::optional<std::string> quoted_include(const std::string& line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#') return std::nullopt;
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0) return std::nullopt;
    i = line.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || line[i] != '"') return std::nullopt;
    const std::size_t end = line.find('"', i + 1);
    if (end == std::string::npos) return std::nullopt;
    return line.substr(i + 1, end - i - 1);
}

struct Include {
    std::string file;
    std::string header;
};

std::vector<Include> project_includes(const fs::path& root) {
    std::vector<Include> found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        if (!entry.is_regular_file() || library_of(relative).empty()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp" && ext != ".in") continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (const auto header = quoted_include(line)) found.push_back({relative, *header});
        }
    }
    return found;
}

TEST(Layering, NoSourceFileIncludesAHeaderOfAHigherLibrary) {
    const fs::path root = KELVARA_SOURCE_DIR;
    const std::vector<Include> includes = project_includes(root);
    ASSERT_GT(includes.size(), 100u) << "the tree was not found at " << root;
    for (const Include& inc : includes) {
        const std::string from = library_of(inc.file);
        // A header named without a folder lives beside the file that includes it.
        const std::string to =
            inc.header.find('/') == std::string::npos ? from : library_of(inc.header);
        ASSERT_TRUE(allowed.count(from)) << from;
        EXPECT_TRUE(to == from || allowed.at(from).count(to))
            << inc.file << " (" << from << ") includes " << inc.header << " ("
            << (to.empty() ? "outside the libraries" : to) << ")";
    }
}

TEST(Layering, TheTableSortsKnownFiles) {
    // The dialogs inside random/ and export/ are not part of the widget-free libraries there.
    EXPECT_EQ(library_of("random/ui/random_dialog.cpp"), "random_ui");
    EXPECT_EQ(library_of("random/random_generation.cpp"), "random");
    EXPECT_EQ(library_of("export/ui/save_dialog_layout.cpp"), "export_ui");
    EXPECT_EQ(library_of("export/atomic_write.cpp"), "export");
    EXPECT_EQ(library_of("app/render/cli.cpp"), "render");
    EXPECT_EQ(library_of("sprites/ui/animation_preview.cpp"), "sprites_ui");
    EXPECT_EQ(library_of("tests/layering_test.cpp"), "");
}

}  // namespace
