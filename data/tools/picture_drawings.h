#pragma once

#include <string>
#include <vector>

#include "picture_sketch.h"

// The table of element pictures: one drawing per picture number.
namespace velmora::pictures {

struct PictureDrawing {
    int number = 0;  // the picture file is this number followed by ".bmp"
    void (*draw)(Sketch&) = nullptr;
    // Labels the drawing shows that no entry's suffix names (the wetted perimeter "U" of a free
    // cross-section, the resistance coefficient "ζ"); every other label must be an entry's.
    std::vector<std::string> extraLabels{};
};

// A picture of an engineering tool, named as its dialog loads it ("<name>.bmp"); a picture with
// words is drawn once per edition letter D, E, F, H, its name followed by the letter.
struct ToolPictureDrawing {
    std::string name;
    void (*draw)(Sketch&, char edition) = nullptr;
    bool perEdition = false;
    std::vector<std::string> letters{};  // exactly the dimension labels it must show
};
std::vector<ToolPictureDrawing> toolPictureDrawings();

// Every drawing, each picture number once.
std::vector<PictureDrawing> pictureDrawings();

// The rows of each family, in the order of the element groups.
void addPipeDrawings(std::vector<PictureDrawing>& rows);        // straight pipes, inlets, sections
void addBendAndTeeDrawings(std::vector<PictureDrawing>& rows);  // bends, tees, expansion joints
void addValveDrawings(std::vector<PictureDrawing>& rows);       // valves and check valves
void addOrificeDrawings(std::vector<PictureDrawing>& rows);     // orifices, nozzles, venturi
void addScreenDrawings(std::vector<PictureDrawing>& rows);      // perforated plates, screens, strainers
void addOtherDrawings(std::vector<PictureDrawing>& rows);       // known coefficient, height, velocity

}  // namespace velmora::pictures
