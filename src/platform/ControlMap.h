#pragma once

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <memory>

namespace pekuru {

// What is on screen, kept in a file for drivers that have no screen reader bridge to ask (the
// Windows program under Wine has no AT-SPI). With PEKURU_CONTROL_MAP naming a file, the program
// keeps there, as UTF-8 JSON, every visible top-level window (message boxes and menus too) and every
// visible widget in it: object name, class, accessible role, name and description, text (buttons,
// labels, line edits, text views, list and menu items), whether it is enabled, and its rectangle on
// the screen in device pixels. The file is written whole under a scratch name and renamed, and only
// when something changed.
//
//   {"pid": 1234, "windows": [{"objectName": "namesel", "class": "pekuru::namesel",
//     "role": "Window", "title": "名前の選択", "name": "…", "description": "", "text": "",
//     "enabled": true, "active": true, "modal": false, "rect": [x, y, width, height],
//     "widgets": [{… the same fields but title, active, modal …, "items": [{"text", "name", "rect"}]}]}]}
class ControlMap {
  public:
    static constexpr int kIntervalMs = 200;

    // Keeps the map when PEKURU_CONTROL_MAP names a file; otherwise null, and nothing runs at all.
    static std::unique_ptr<ControlMap> fromEnvironment();

    // Keeps the map in `path`, looking again every `intervalMs` (0: only when refresh() is called).
    explicit ControlMap(const QString& path, int intervalMs = kIntervalMs);

    // The map of the screen as it is now.
    static QByteArray describe();

    // Writes the map when it differs from the one last written. True when the file was written.
    bool refresh();

  private:
    QString path_;
    QByteArray written_;
    QString lastError_;
    QTimer timer_;
};

}  // namespace pekuru
