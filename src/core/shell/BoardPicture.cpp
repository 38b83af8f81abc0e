#include "core/shell/BoardPicture.h"

namespace boardpicture {

QRect Under(formlayout::Rect picture, formlayout::Rect outline)
{
    return QRect(outline.left - picture.left + kOutlineMargin, outline.top - picture.top + kOutlineMargin,
                 outline.width - 2 * kOutlineMargin, outline.height - 2 * kOutlineMargin);
}

QPixmap DrawBoardUnderOutlines(formlayout::Rect picture, std::span<const formlayout::ControlRow> layout,
                               std::span<const OutlinedPart> parts, std::vector<pictures::Block> blocks)
{
    for (const OutlinedPart& part : parts) {
        const formlayout::ControlRow& row = formlayout::FindRow(layout, part.outline);
        blocks.push_back({Under(picture, row.geometry), QString::fromLatin1(row.caption), part.part, part.count});
    }
    return pictures::DrawBoard(QSize(picture.width, picture.height), blocks);
}

QPixmap DrawJumpersUnderOutlines(formlayout::Rect picture, std::span<const formlayout::ControlRow> layout,
                                 std::span<const char* const> outlines, const QString& title)
{
    std::vector<pictures::Block> rows;
    for (const char* outline : outlines) {
        const formlayout::ControlRow& row = formlayout::FindRow(layout, outline);
        rows.push_back({Under(picture, row.geometry), QString::fromLatin1(row.caption), pictures::Part::Header});
    }
    return pictures::DrawJumpers(QSize(picture.width, picture.height), title, rows);
}

}  // namespace boardpicture
