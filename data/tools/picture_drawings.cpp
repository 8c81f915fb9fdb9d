#include "picture_drawings.h"

namespace velmora::pictures {

std::vector<PictureDrawing> pictureDrawings() {
    std::vector<PictureDrawing> rows;
    addPipeDrawings(rows);
    addBendAndTeeDrawings(rows);
    addValveDrawings(rows);
    addOrificeDrawings(rows);
    addScreenDrawings(rows);
    addOtherDrawings(rows);
    return rows;
}

}  // namespace velmora::pictures
