#include "wordproc/rtfpicture.h"

#include "wordproc/rtfchars.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTextDocument>
#include <QUrl>

namespace WordProc {

namespace {

// The file's own bytes stay with the image, so that a JPEG is written back
// as it came, whatever the editor did to the resource while showing it.
constexpr int ImageBytes = QTextFormat::UserProperty + 0x100;

// Twips per pixel of the document: 1440 to the inch, 96 pixels to the inch.
constexpr double TwipsPerPixel = 15.0;

enum class Format { None, Png, Jpeg };

Format formatOf(QByteArrayView data) {
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        return Format::Png;
    if (data.startsWith("\xff\xd8\xff"))
        return Format::Jpeg;
    return Format::None;
}

QSize pixelSize(const QByteArray &data) {
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    return reader.size();
}

} // namespace

void RtfPicture::addHex(QByteArrayView text) {
    for (const char c : text) {
        if (!RtfChars::isDigit(c) && !((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            continue;
        const int digit = RtfChars::hexDigit(c);
        if (m_nibble < 0) {
            m_nibble = digit;
        } else {
            data += char(m_nibble * 16 + digit);
            m_nibble = -1;
        }
    }
}

void RtfPicture::addBytes(QByteArrayView bytes) {
    data.append(bytes.data(), bytes.size());
}

std::optional<QTextImageFormat> RtfPicture::toImage(QTextDocument &document, int number) const {
    if (formatOf(data) == Format::None)
        return std::nullopt;
    const QString name = QStringLiteral("rtf-image-%1").arg(number);
    document.addResource(QTextDocument::ImageResource, QUrl(name), data);
    QTextImageFormat image;
    image.setName(name);
    image.setProperty(ImageBytes, data);
    // Whole twips, as they are written back.
    const int width = qRound(qMin(widthGoal * qBound(1, scaleX, 1000) / 100.0, 1e6));
    const int height = qRound(qMin(heightGoal * qBound(1, scaleY, 1000) / 100.0, 1e6));
    if (width > 0 && height > 0) {
        image.setWidth(width / TwipsPerPixel);
        image.setHeight(height / TwipsPerPixel);
    }
    return image;
}

QByteArray pictureGroup(const QTextDocument &document, const QTextImageFormat &image) {
    QByteArray data = image.property(ImageBytes).toByteArray();
    if (formatOf(data) == Format::None) {
        // An image that came otherwise (pasted): its picture as PNG.
        const QVariant resource = document.resource(QTextDocument::ImageResource, image.name());
        QImage picture;
        if (resource.userType() == QMetaType::QImage)
            picture = resource.value<QImage>();
        else if (resource.userType() == QMetaType::QPixmap)
            picture = resource.value<QPixmap>().toImage();
        else if (resource.userType() == QMetaType::QByteArray)
            picture.loadFromData(resource.toByteArray());
        data.clear();
        if (!picture.isNull()) {
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG");
        }
    }
    const Format format = formatOf(data);
    if (format == Format::None)
        return {};
    const QSize pixels = pixelSize(data);
    const double width = image.width() > 0 ? image.width() : pixels.width();
    const double height = image.height() > 0 ? image.height() : pixels.height();
    QByteArray out =
        format == Format::Png ? "{\\*\\shppict{\\pict\\pngblip" : "{\\*\\shppict{\\pict\\jpegblip";
    if (pixels.isValid())
        out += "\\picw" + QByteArray::number(pixels.width()) + "\\pich" +
               QByteArray::number(pixels.height());
    if (width > 0 && height > 0)
        out += "\\picwgoal" + QByteArray::number(qRound(width * TwipsPerPixel)) + "\\pichgoal" +
               QByteArray::number(qRound(height * TwipsPerPixel));
    // The data in lines of 64 bytes, as RTF writers keep them.
    static const char hex[] = "0123456789abcdef";
    for (qsizetype at = 0; at < data.size(); ++at) {
        if (at % 64 == 0)
            out += "\r\n";
        const uchar b = uchar(data[at]);
        out += hex[b >> 4];
        out += hex[b & 15];
    }
    return out + "}}";
}

} // namespace WordProc
