#pragma once

// Writing the retained picture of the display to a file.

#include <QImage>
#include <string>

namespace tessarin {

// Writes the whole picture as a Windows bitmap (".bmp"). The old file is replaced only by a whole
// new one; throws Error with the system's reason when it cannot be written.
void SaveBitmap(const QImage& picture, const std::string& path);

// Writes the whole picture as PNG, a much smaller file of the same pixels.
void SavePng(const QImage& picture, const std::string& path);

// Writes the whole picture in the format its name asks for: a Windows bitmap for a name ending in
// ".bmp" (in any case), PNG for any other, so that the file's contents match its name.
void SavePicture(const QImage& picture, const std::string& path);

// The file name Save Bitmap proposes: the project file's name without its last four characters
// (the extension and its dot) and with `extension` (".png" or ".bmp"; "*.tsp" gives "*.png").
std::string ProposedBitmapName(const std::string& projectFileName, const std::string& extension);

// The PDF file Print Synthetic proposes, beside the project in the same way: ".pdf" for ".bmp".
std::string ProposedPdfName(const std::string& projectFileName);

}  // namespace tessarin
