#include "ui/Style.h"

#include <QApplication>
#include <QIconEngine>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

#include <optional>

namespace ui {
namespace {

// FIXME(Qt 6.4 to 6.8): pinned by startLoadsNoImagePlugin and tst_startup_scaled.
// Every menu bar asks the style for its overflow button's icon when it is made, and reading Qt's
// built-in PNG loads every image-format plugin to ask each whether it reads PNG. Remove when Qt
// reads its own images without the plugins.
// Qt 6.11 makes the icon without them; 6.9 and 6.10 were not tried, so they keep it.
#if QT_VERSION < QT_VERSION_CHECK(6, 11, 0)

// What QIcon hands QIconEngine::scaledPixmap(): the size in device pixels on Qt 6.4, in
// device-independent pixels with the ratio to draw at on 6.8 (6.5 to 6.7 were not tried).
constexpr bool kScaledSizeInDevicePixels = QT_VERSION < QT_VERSION_CHECK(6, 8, 0);

// An icon of the base style, asked of it only once something needs its pixels or sizes.
class IconOnFirstUse : public QIconEngine {
public:
    IconOnFirstUse(const QStyle& style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(&style), which_(which), widget_(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // pixmap() is given device pixels: the icon is asked at a ratio of 1, and the QIcon that
    // called this engine marks the pixmap with the ratio it is drawn at.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, kScaledSizeInDevicePixels ? 1.0 : scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // The base style has this icon: asking whether it is there must not make it.
    bool isNull() override { return icon_ && icon_->isNull(); }
    QString key() const override { return QStringLiteral("IconOnFirstUse"); }
    QIconEngine* clone() const override { return new IconOnFirstUse(*this); }

private:
    const QIcon& icon() {
        if (!icon_) {
            const QStyle* style = style_ ? style_.data() : QApplication::style();
            icon_ = style->standardIcon(which_, nullptr, widget_);
        }
        return *icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<const QWidget> widget_;
    std::optional<QIcon> icon_;
};

#endif

class Style : public QProxyStyle {
    Q_OBJECT

public:
#if QT_VERSION < QT_VERSION_CHECK(6, 11, 0)
    // The button shows only when the menus do not fit the bar, which never happens here.
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton && qobject_cast<const QMenuBar*>(widget))
            return QIcon(new IconOnFirstUse(*baseStyle(), which, widget));
        return QProxyStyle::standardIcon(which, option, widget);
    }
#endif
};

} // namespace

void installStyle() {
    // Kept rather than asked of QApplication::style(), which would make the default style first.
    static QPointer<QStyle> installed;
    if (installed)
        return;
    installed = new Style;
    QApplication::setStyle(installed);
}

} // namespace ui

#include "Style.moc"
