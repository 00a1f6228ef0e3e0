#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace ui {

// What screen readers, braille displays and magnifiers get from the windows, their controls and
// their menu items: the program's own interfaces where Qt's fall short, Qt's for the rest.
QAccessibleInterface* accessibleWidgetInterface(const QString& className, QObject* object);

// Installs the factory above and the bridge through which the widgets tell readers more than Qt
// does. Program start-up calls it once, before the first window is made; later calls do nothing.
void installAccessibility();

} // namespace ui
