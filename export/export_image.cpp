#include "export/export_image.h"

namespace kelvara {

void prepare_export_image(Surface& picture, const Surface& pre_pic, Colour back_color) {
    picture.setBackColor(back_color);
    picture.Cls();
    // The sprite frame is 67 x 67; whatever of it lies beyond pre_pic is simply not there.
    picture.PaintPicture(pre_pic, -4, -4, 67, 67, 0, 0, 67, 67);
}

Surface export_image(const Surface& pre_pic, Colour back_color) {
    Surface picture(export_image_size, export_image_size, back_color);
    prepare_export_image(picture, pre_pic, back_color);
    return picture;
}

}  // namespace kelvara
