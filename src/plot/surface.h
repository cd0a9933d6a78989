#pragma once

// The drawing surface every panel painter draws on. Coordinates are twips (1440 per inch) on the
// device: the screen picture and the printer page implement the same operations, so the painters
// never know which one they draw on.
//
// Like the pictures the display was designed for, the surface keeps a current position: lines
// leave it at their end point, printed text at the start of the next line (or, for inline text,
// just after the text), and text is printed with its top left corner at the current position.

#include <string>
#include <vector>

namespace tessarin {

struct TwipPoint {
    double x = 0.0;
    double y = 0.0;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kWhite{255, 255, 255};

enum class PenStyle { kSolid, kDotted };

struct PlotFont {
    std::string name = "Arial";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool operator==(const PlotFont&) const = default;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Erases everything to white and puts the current position at the top left corner.
    void Clear();

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void MoveTo(double x, double y) {
        currentX_ = x;
        currentY_ = y;
    }

    // A line in the foreground colour, or in `colour` for this line only.
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, Rgb colour);
    void LineTo(double x, double y);  // from the current position
    void LineTo(double x, double y, Rgb colour);
    // Connected lines through the points, the first joined to nothing; the current position ends
    // at the last point.
    void Polyline(const std::vector<TwipPoint>& points);
    void Box(double x1, double y1, double x2, double y2);
    // Paints the box white, covering what was drawn there, so that text printed on it reads
    // clear of the lines that cross its place. The current position does not move.
    void ClearBox(double x1, double y1, double x2, double y2) { EraseBox(x1, y1, x2, y2); }
    void Point(double x, double y);

    // Prints at the current position and moves to the start of the next line (x back to 0).
    void PrintLine(const std::string& text);
    // Prints at the current position and moves just after the text, on the same line.
    void PrintText(const std::string& text);

    virtual double TextWidth(const std::string& text) const = 0;
    virtual double TextHeight(const std::string& text) const = 0;

    // The pen width counts device pixels, as on the pictures the display was designed for.
    void SetPenWidth(int pixels);
    void SetPenStyle(PenStyle style);
    void SetColor(Rgb colour);  // foreground colour of lines and text
    int PenWidth() const { return penWidth_; }
    PenStyle Style() const { return penStyle_; }
    Rgb Color() const { return colour_; }

    void SetFont(const PlotFont& font);
    void SetFontSize(double points);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    const PlotFont& Font() const { return font_; }

    // A closed polygon outlined with the pen and filled black with the alternate (odd-even) rule.
    // The corners are rounded to whole device pixels first, as the polygon functions of the
    // device work in pixels.
    virtual void FillPolygon(const std::vector<TwipPoint>& points) = 0;

    virtual double TwipsPerPixel() const = 0;

protected:
    virtual void EraseAll() = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    virtual void DrawPolyline(const std::vector<TwipPoint>& points) = 0;
    virtual void DrawBox(double x1, double y1, double x2, double y2) = 0;
    virtual void EraseBox(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawPoint(double x, double y) = 0;
    virtual void DrawText(double x, double y, const std::string& text) = 0;
    virtual void PenChanged() = 0;
    virtual void FontChanged() = 0;

private:
    double currentX_ = 0.0;
    double currentY_ = 0.0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::kSolid;
    Rgb colour_ = kBlack;
    PlotFont font_;
};

}  // namespace tessarin
