#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QTextImageFormat>

#include <optional>

class QTextDocument;

namespace WordProc {

// A picture of an RTF file as it is read: its kind, its size words and its
// data, given in hexadecimal or as raw bytes.
struct RtfPicture {
    bool blip = false;                 // PNG or JPEG, which the editor shows
    bool other = false;                // a metafile, a bitmap or another kind it cannot show
    int widthGoal = 0, heightGoal = 0; // twips
    int scaleX = 100, scaleY = 100;    // per cent
    QByteArray data;

    void addHex(QByteArrayView text);
    void addBytes(QByteArrayView bytes);
    // The image the picture becomes, its data given to the document under
    // a name made of number; none when it holds no PNG or JPEG.
    std::optional<QTextImageFormat> toImage(QTextDocument &document, int number) const;

private:
    int m_nibble = -1;
};

// The RTF group that writes a document image back as a PNG or JPEG picture
// of the same size; empty when the image has no data to write.
QByteArray pictureGroup(const QTextDocument &document, const QTextImageFormat &image);

} // namespace WordProc
