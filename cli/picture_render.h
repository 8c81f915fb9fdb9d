#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

// PNG and PDF pictures of the command line. velmora-cli itself uses no graphics toolkit: it writes
// the diagram as SVG and hands it to velmora-render, the small Qt program built with the desktop
// program, which rasterises it (PNG) or prints it as vector PDF with Qt's own font engine.
namespace velmora::cli {

// The helper beside velmora-cli.
std::filesystem::path renderHelper(const std::filesystem::path& programFolder);

// Renders the SVG text into `output` (PNG or PDF by its ending); false after a message on `err`
// (no helper, the helper failed).
bool renderPicture(const std::string& svg, const std::filesystem::path& output,
                   const std::filesystem::path& programFolder, std::ostream& err);

}  // namespace velmora::cli
