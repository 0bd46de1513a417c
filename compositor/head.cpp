#include "compositor/head.h"

namespace kelvara {

void compose_head(Workspace& w, int hair_index) {
    w.pre_hair_mask.PaintPicture(w.hair_pic, 0, 0, 19, 19, 0, 0, 19, 19);
    w.pre_hair_pic.PaintPicture(w.hair_pic, 0, 0, 19, 19, 0, 0, 19, 19);
    w.pre_face_pic.PaintPicture(w.face_pic, 0, 0, 19, 19, 0, 0, 19, 19);

    // The mask is white where the hair is drawn and black where it is transparent; the hair is
    // white where it is transparent. OR-ing the mask whitens the head under the hair, AND-ing
    // the hair then paints the hair into that white and leaves the face where it was transparent.
    for (Colour& c : w.pre_hair_mask.bits()) c = (c == key_color) ? mask_black : mask_white;
    for (Colour& c : w.pre_hair_pic.bits()) {
        if (c == key_color) c = mask_white;
    }
    BitBlt(w.pre_face_pic, 0, 0, 30, 30, w.pre_hair_mask, 0, 0, RasterOp::SRCPAINT);
    BitBlt(w.pre_face_pic, 0, 0, 30, 30, w.pre_hair_pic, 0, 0, RasterOp::SRCAND);

    if (hair_has_holes(hair_index)) {
        for (int x = 0; x < w.pre_hair_mask.width(); ++x) {
            for (int y = 0; y < w.pre_hair_mask.height(); ++y) {
                if (w.pre_face_pic.GetPixel(x, y) == marker_red) {
                    w.pre_face_pic.SetPixel(x, y, key_color);
                }
            }
        }
    }
}

}  // namespace kelvara
