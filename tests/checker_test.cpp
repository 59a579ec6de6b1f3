#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <tuple>

#include "checker.h"
#include "test_support.h"

namespace {

using CheckerTest = CoreTest;
using Found = std::tuple<int, int, std::string>;  // line, column, name

std::vector<Found> Summary(const std::vector<Finding>& findings) {
    std::vector<Found> summary;
    for (const Finding& f : findings) {
        summary.emplace_back(f.line, f.column, f.name);
    }
    return summary;
}

TEST_F(CheckerTest, EachKindOnItsLineAndColumn) {
    WriteLibrary("[1]\nLI 100 100 101 100\n");
    const std::string long_line = "LI 1 2 3 4 " + std::string(1100, ' ') + "XY\n";
    std::string full;
    for (int i = 0; i < 1000; ++i) {
        full += "LI 0 0 1 1\n";
    }
    std::string placements;
    for (int i = 0; i < 1001; ++i) {
        placements += "MC 0 0 0 0 1\n";
    }
    const struct {
        const char* name;
        std::string drawing;
        std::vector<Found> found;
    } cases[] = {
        {"clean", "[Title]\nLI 0 0 10 10\n; a comment\n\nMC 5 5 1 2 1\nTE 1 1 ok\n", {}},
        {"unknown command", "LI 0 0 1 1\n  XX 1 2\n", {{2, 3, "unknown-command"}}},
        {"not a number",
         "LI 10 abc 30 4\nRV 1 2x 3 4\n",
         {{1, 7, "not-a-number"}, {2, 6, "not-a-number"}}},
        {"missing field", "LI 10 20\n", {{1, 9, "missing-field"}}},
        {"wraps", "LI 4000000000 0 1 1\n", {{1, 4, "wraps"}}},
        {"out of range at the start-up zoom", "SA 600000000 0\n", {{1, 4, "out-of-range"}}},
        // The second piece begins with blanks: its letters stand where they stood in the line.
        {"long line", long_line, {{1, 1024, "long-line"}, {1, 1112, "unknown-command"}}},
        {"long text", "TE 1 2 " + std::string(300, 't') + "\n", {{1, 263, "long-text"}}},
        {"primitive limit", full + "LI 1 1 2 2\n", {{1001, 1, "primitive-limit"}}},
        {"placement limit", placements, {{1001, 1, "placement-limit"}}},
        {"orientation and mirror", "MC 0 0 5 3 1\n", {{1, 1, "orientation"}, {1, 1, "mirror"}}},
        {"missing macro", "MC 0 0 0 0 42\n", {{1, 1, "missing-macro"}}},
        {"captions", "[a]\n[b]\n[c]\n", {{1, 1, "caption-replaced"}, {2, 1, "caption-replaced"}}},
        {"NUL and control bytes",
         std::string("LI 1\0 2 3 4\nTE 1 1 a\x07z\n", 22),
         {{1, 5, "nul-byte"}, {1, 5, "missing-field"}, {2, 9, "control-character"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = CheckDrawing(WriteFile("d.obx", c.drawing).string(),
                                        (folder_ / "standard.mcr").string());
        ASSERT_TRUE(found.Ok()) << found.Reason();
        EXPECT_EQ(Summary(found.Value()), c.found);
    }
    EXPECT_FALSE(CheckDrawing((folder_ / "none.obx").string(), "x").Ok());
}

TEST_F(CheckerTest, LibraryFindings) {
    const auto found = CheckLibrary(
        WriteFile("lib.mcr",
                  "A library.\n[x] no number\nLI 100 100 101 100\n[2]\n; note\n[3]\nMC 1 2 3 4 "
                  "5\n[2] again\nLI 0 0 1 1\n")
            .string());
    ASSERT_TRUE(found.Ok());
    EXPECT_EQ(Summary(found.Value()), (std::vector<Found>{{2, 1, "bad-header"},
                                                          {4, 1, "empty-body"},
                                                          {5, 1, "not-drawable"},
                                                          {7, 1, "placement-in-body"},
                                                          {8, 1, "duplicate-macro"}}));
}

TEST_F(CheckerTest, ProgramExitsAndWritesJsonLines) {
    WriteLibrary("[1]\nLI 100 100 101 100\n");
    const std::string library = (folder_ / "standard.mcr").string();
    const auto run = [&](const QStringList& args, QByteArray* out = nullptr) {
        QProcess process;
        process.start(OMBRIX_CHECK_TOOL,
                      QStringList{"--library", QString::fromStdString(library)} + args);
        process.waitForFinished(30000);
        if (out != nullptr) {
            *out = process.readAllStandardOutput();
        }
        return process.exitCode();
    };
    const QString clean = QString::fromStdString(WriteFile("c.obx", "LI 0 0 1 1\n").string());
    const QString noted = QString::fromStdString(WriteFile("n.obx", "[a]\n[b]\n").string());
    const QString warned =
        QString::fromStdString(WriteFile("w.obx", "XX\nMC 1 1 0 0 9\n").string());
    EXPECT_EQ(run({clean}), 0);
    EXPECT_EQ(run({noted}), 0);
    EXPECT_EQ(run({"--werror", noted}), 1);
    EXPECT_EQ(run({warned}), 1);
    EXPECT_EQ(run({QString::fromStdString((folder_ / "none.obx").string())}), 2);
    EXPECT_EQ(run({"--format", "xml", clean}), 2);
    EXPECT_EQ(run({}), 0);  // the library alone

    QByteArray out;
    EXPECT_EQ(run({"--format", "json", warned, noted}, &out), 1);
    const QList<QByteArray> lines = out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    for (const QByteArray& line : lines) {
        const QJsonDocument json = QJsonDocument::fromJson(line);
        ASSERT_TRUE(json.isObject()) << line.toStdString();
        for (const char* key : {"file", "line", "column", "severity", "name", "message"}) {
            EXPECT_TRUE(json.object().contains(key)) << key;
        }
    }
}

}  // namespace
