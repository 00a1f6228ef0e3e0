// Build step: writes a PNG's pixels in the form the X window system takes a window's icon in
// (ARGB, not premultiplied, this machine's byte order, row after row), so that the program hands
// its built-in icon over without decoding a PNG or converting pixels at every start.
//   vorlakin_icon_pixels <in.png> <out.argb>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorlakin_icon_pixels <in.png> <out.argb>\n");
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "vorlakin_icon_pixels: cannot convert %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return out.error() == QFile::NoError ? 0 : 1;
}
