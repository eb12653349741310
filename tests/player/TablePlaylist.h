#pragma once

#include "player/TransportPlaylist.h"

#include <QStringList>

namespace vireo {

// A playlist for transport tests: paths "/music/0.mp3", "/music/1.mp3"... unless given.
class TablePlaylist final : public TransportPlaylist {
public:
    explicit TablePlaylist(int n = 0, int selectedIndex = -1) : selected(selectedIndex)
    {
        for (int i = 0; i < n; ++i)
            paths.append(QStringLiteral("/music/%1.mp3").arg(i));
    }
    explicit TablePlaylist(QStringList files) : paths(std::move(files)) {}

    int count() const override { return int(paths.size()); }
    int selectedIndex() const override { return selected; }
    void select(int i) override
    {
        if (i >= 0 && i < count())
            selected = i;
    }
    QString path(int i) const override { return i >= 0 && i < count() ? paths.at(i) : QString(); }

    QStringList paths;
    int selected = -1;
};

} // namespace vireo
