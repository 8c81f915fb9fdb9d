// Build step: draws the element pictures ("<number>.bmp", 240 × 160, 24-bit) into the data folder.
//
//   velmora-pictures --output=FOLDER NUMBER...
//   velmora-pictures --output=FOLDER --tools NAME...
//
// The second form draws the pictures of the engineering tools ("<NAME>.bmp"); the names must be
// exactly those of the tool drawings (with the edition letter for the pictures with words), and each
// drawing must show exactly the letters of its dialog's entries.
//
// The numbers are the pictures the build expects; they must be exactly the picture numbers of the
// element catalogue, and every drawing must carry the letters of its kinds' entries, so a picture
// cannot drift from the entries the main form asks for.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/element_catalogue.h"
#include "picture_drawings.h"

namespace {

using velmora::pictures::PictureDrawing;

// The letter of a slot's suffix: " D1:" → "D1"; ":" alone → "".
std::string suffixLetter(std::string_view suffix) {
    std::string letter;
    for (char c : suffix) {
        if (c != ' ' && c != ':') letter += c;
    }
    return letter;
}

// The letters each picture must show: those of every kind that uses it.
std::map<int, std::set<std::string>> catalogueLetters() {
    std::map<int, std::set<std::string>> letters;
    for (const auto& row : velmora::model::allKindDescriptions()) {
        auto& set = letters[row.picture];
        for (const auto& slot : row.slots) {
            if (const std::string letter = suffixLetter(slot.suffix); !letter.empty()) set.insert(letter);
        }
    }
    return letters;
}

std::string joined(const std::set<std::string>& items) {
    std::string text;
    for (const auto& item : items) text += (text.empty() ? "" : " ") + item;
    return text;
}

QImage drawPicture(const PictureDrawing& drawing, std::set<std::string>& labels) {
    QImage image(velmora::pictures::kPictureWidth, velmora::pictures::kPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        velmora::pictures::Sketch sketch(painter);
        drawing.draw(sketch);
        labels = sketch.labels();
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

// The problems of one drawing's labels against the letters its kinds ask for.
std::vector<std::string> labelProblems(const PictureDrawing& drawing, const std::set<std::string>& drawn,
                                       const std::set<std::string>& required) {
    std::vector<std::string> problems;
    for (const auto& letter : required) {
        if (!drawn.contains(letter)) problems.push_back("lacks the dimension " + letter);
    }
    const std::set<std::string> extras(drawing.extraLabels.begin(), drawing.extraLabels.end());
    for (const auto& label : drawn) {
        if (!required.contains(label) && !extras.contains(label)) {
            problems.push_back("shows " + label + ", which no entry of its kinds names (" + joined(required) +
                               ")");
        }
    }
    return problems;
}

QImage drawToolPicture(const velmora::pictures::ToolPictureDrawing& drawing, char edition,
                       std::set<std::string>& labels) {
    QImage image(velmora::pictures::kPictureWidth, velmora::pictures::kPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        velmora::pictures::Sketch sketch(painter);
        drawing.draw(sketch, edition);
        labels = sketch.labels();
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

int drawToolPictures(const std::string& output, const std::set<std::string>& expected) {
    int failures = 0;
    auto fail = [&failures](const std::string& message) {
        std::cerr << "velmora-pictures: " << message << '\n';
        ++failures;
    };
    std::set<std::string> names;
    for (const auto& drawing : velmora::pictures::toolPictureDrawings()) {
        const std::string editions = drawing.perEdition ? "DEFH" : "E";
        for (char edition : editions) {
            const std::string name = drawing.perEdition ? drawing.name + edition : drawing.name;
            names.insert(name);
            std::set<std::string> labels;
            const QImage image = drawToolPicture(drawing, edition, labels);
            const std::set<std::string> required(drawing.letters.begin(), drawing.letters.end());
            if (labels != required)
                fail(name + " shows " + joined(labels) + " instead of the entries' letters " + joined(required));
            const std::string path = output + "/" + name + ".bmp";
            if (!image.save(QString::fromStdString(path), "BMP")) fail("cannot write " + path);
        }
    }
    if (names != expected) fail("the tool picture list of the build differs from the tool drawings");
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
    std::string output;
    std::set<int> expected;
    std::set<std::string> toolNames;
    bool tools = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--output=")) {
            output = argument.substr(9);
        } else if (argument == "--tools") {
            tools = true;
        } else if (tools) {
            toolNames.insert(std::string(argument));
        } else {
            try {
                expected.insert(std::stoi(std::string(argument)));
            } catch (const std::exception&) {
                std::cerr << "velmora-pictures: not a picture number: " << argument << '\n';
                return 2;
            }
        }
    }
    if (output.empty()) {
        std::cerr << "usage: velmora-pictures --output=FOLDER NUMBER...\n";
        return 2;
    }

    // Painting into an image needs no display; a build machine may have no runtime folder either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    QGuiApplication application(argc, argv);
    if (tools) return drawToolPictures(output, toolNames);

    const auto required = catalogueLetters();
    const auto drawings = velmora::pictures::pictureDrawings();
    int failures = 0;
    auto fail = [&failures](const std::string& message) {
        std::cerr << "velmora-pictures: " << message << '\n';
        ++failures;
    };

    std::set<int> catalogued;
    for (const auto& [number, letters] : required) catalogued.insert(number);
    if (expected != catalogued) fail("the picture list of the build differs from the element catalogue's");

    std::set<int> drawn;
    for (const auto& drawing : drawings) {
        if (!drawn.insert(drawing.number).second)
            fail("picture " + std::to_string(drawing.number) + " drawn twice");
        if (!catalogued.contains(drawing.number)) {
            fail("picture " + std::to_string(drawing.number) + " belongs to no element kind");
        }
    }
    for (int number : catalogued) {
        if (!drawn.contains(number)) fail("picture " + std::to_string(number) + " has no drawing");
    }

    for (const auto& drawing : drawings) {
        if (!catalogued.contains(drawing.number)) continue;
        std::set<std::string> labels;
        const QImage image = drawPicture(drawing, labels);
        for (const auto& problem : labelProblems(drawing, labels, required.at(drawing.number))) {
            fail("picture " + std::to_string(drawing.number) + " " + problem);
        }
        const std::string path = output + "/" + std::to_string(drawing.number) + ".bmp";
        if (!image.save(QString::fromStdString(path), "BMP")) fail("cannot write " + path);
    }
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
