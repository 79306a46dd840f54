#pragma once
// The eight sizing edges, numbered as skins store a size grip's Orientation
// and as the classic sizing codes count them. No widgets here, so the pure
// window rules can use it too.

enum class SizingEdge {
    None = 0,
    Left = 1,
    Right = 2,
    Top = 3,
    TopLeft = 4,
    TopRight = 5,
    Bottom = 6,
    BottomLeft = 7,
    BottomRight = 8
};

// Which sides of the rectangle an edge drags.
constexpr bool MovesLeft(SizingEdge edge)
{
    return edge == SizingEdge::Left || edge == SizingEdge::TopLeft || edge == SizingEdge::BottomLeft;
}
constexpr bool MovesRight(SizingEdge edge)
{
    return edge == SizingEdge::Right || edge == SizingEdge::TopRight || edge == SizingEdge::BottomRight;
}
constexpr bool MovesTop(SizingEdge edge)
{
    return edge == SizingEdge::Top || edge == SizingEdge::TopLeft || edge == SizingEdge::TopRight;
}
constexpr bool MovesBottom(SizingEdge edge)
{
    return edge == SizingEdge::Bottom || edge == SizingEdge::BottomLeft || edge == SizingEdge::BottomRight;
}
