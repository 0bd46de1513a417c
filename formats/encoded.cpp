#include "formats/encoded.h"

namespace kelvara::formats {

std::string EncodeError::describe() const {
    switch (problem) {
        case EncodeProblem::empty_picture:
            return "there is no picture to encode";
        case EncodeProblem::too_large:
            return "the picture is too large for the file format";
        case EncodeProblem::too_many_colours:
            return "the picture has more than 256 colours";
        case EncodeProblem::frames_differ:
            return "the frames are not all of one size";
        case EncodeProblem::compression_failed:
            return "the picture could not be compressed";
        case EncodeProblem::bad_text:
            return "a text entry the file format cannot hold";
        case EncodeProblem::out_of_memory:
            return "not enough memory for the picture";
    }
    return "the picture could not be encoded";
}

}  // namespace kelvara::formats
