// Build step: writes PNGs as the X window system takes a window's icon (the _NET_WM_ICON
// property): for each image its width, its height and its pixels (ARGB, not premultiplied, row
// after row), all 32-bit numbers in this machine's byte order. The program hands its built-in
// icon over as it is stored, without decoding a PNG or converting pixels at any start.
//   vorlakin_icon_pixels <out> <in.png>...
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdint>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: vorlakin_icon_pixels <out> <in.png>...\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "vorlakin_icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const QImage image =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            std::fprintf(stderr, "vorlakin_icon_pixels: cannot read %s\n", argv[i]);
            return 1;
        }
        const std::uint32_t size[] = {std::uint32_t(image.width()), std::uint32_t(image.height())};
        out.write(reinterpret_cast<const char*>(size), sizeof size);
        for (int y = 0; y < image.height(); ++y)
            out.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    }
    return out.error() == QFile::NoError ? 0 : 1;
}
