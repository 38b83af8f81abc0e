#pragma once
// A board picture and the outlines over it are drawn from one table: the form's layout puts
// each outline around a part of the picture, and the picture draws that part under it.
#include <QPixmap>
#include <QRect>
#include <span>
#include <vector>

#include "core/shell/FormLayout.h"
#include "core/shell/Pictures.h"

namespace boardpicture {

// An outline lies this far outside the part it marks, so that its pen frames the part.
constexpr int kOutlineMargin = 3;

// The outline around a part at (left, top, width, height) of the picture, in the
// coordinates of the picture's parent.
constexpr formlayout::Rect Over(formlayout::Rect picture, int left, int top, int width, int height)
{
    return {picture.left + left - kOutlineMargin, picture.top + top - kOutlineMargin, width + 2 * kOutlineMargin,
            height + 2 * kOutlineMargin};
}

// The part under an outline, in the picture's coordinates.
QRect Under(formlayout::Rect picture, formlayout::Rect outline);

// How the part under an outline looks; its label is the outline's caption in the layout.
struct OutlinedPart {
    const char* outline;
    pictures::Part part;
    int count = 0;  // as in pictures::Block
};

// The board picture: the board's own blocks, then a block under each listed outline.
QPixmap DrawBoardUnderOutlines(formlayout::Rect picture, std::span<const formlayout::ControlRow> layout,
                               std::span<const OutlinedPart> parts, std::vector<pictures::Block> blocks);

// A jumper picture with a row of pins under each listed outline, labelled by its caption.
QPixmap DrawJumpersUnderOutlines(formlayout::Rect picture, std::span<const formlayout::ControlRow> layout,
                                 std::span<const char* const> outlines, const QString& title);

}  // namespace boardpicture
