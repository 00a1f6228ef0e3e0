#pragma once

#include <QString>

// The fixed texts of the main window's text area. Lines are joined by single line feeds.
namespace TextPages {

QString welcome();
QString story();
QString characters();
QString howToPlay();
QString about();

} // namespace TextPages
