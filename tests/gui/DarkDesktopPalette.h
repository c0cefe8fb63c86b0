#pragma once
// A dark desktop palette, as a dark desktop theme gives the application one:
// light text on near-black windows and fields.

#include <QApplication>
#include <QPalette>

#include <utility>

inline QPalette DarkDesktopPalette() {
    QPalette p(QColor(0x31, 0x36, 0x3b), QColor(0x20, 0x23, 0x26));
    const std::pair<QPalette::ColorRole, QRgb> roles[] = {{QPalette::WindowText, 0xfcfcfc},
                                                          {QPalette::Base, 0x1b1e20},
                                                          {QPalette::AlternateBase, 0x232629},
                                                          {QPalette::Text, 0xfcfcfc},
                                                          {QPalette::ButtonText, 0xfcfcfc},
                                                          {QPalette::Highlight, 0x3daee9},
                                                          {QPalette::HighlightedText, 0xfcfcfc},
                                                          {QPalette::ToolTipBase, 0x31363b},
                                                          {QPalette::ToolTipText, 0xfcfcfc},
                                                          {QPalette::PlaceholderText, 0x7f8c8d},
                                                          {QPalette::Link, 0x1d99f3}};
    for (auto [role, rgb] : roles) p.setColor(role, QColor(rgb));
    return p;
}
