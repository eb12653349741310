#pragma once

#include "platform/SettingsStore.h"

#include <QList>
#include <QMap>
#include <QString>

namespace vireo {

// Settings held in memory; remembers every write in order so tests can check the order.
class MemorySettingsStore final : public SettingsStore {
public:
    struct Write {
        QString application, section, key, value;
        bool operator==(const Write&) const = default;
    };

    QString read(const QString& application, const QString& section,
                 const QString& key) const override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;

    // While set, every write is refused (returns false, stores nothing), as a store on a
    // folder that cannot be written.
    bool refuseWrites = false;

    void beginBatch() override { ++openBatches_; }
    bool endBatch() override;

    bool isEmpty() const { return values_.isEmpty(); }
    // How many writes were made while no batch was open (each a rewrite of a real file).
    qsizetype writesOutsideBatches() const { return writesOutsideBatches_; }
    const QList<Write>& writes() const { return writes_; }
    void clearWrites()
    {
        writes_.clear();
        writesOutsideBatches_ = 0;
    }

private:
    static QString address(const QString& a, const QString& s, const QString& k);
    QMap<QString, QString> values_;
    QList<Write> writes_;
    int openBatches_ = 0;
    qsizetype writesOutsideBatches_ = 0;
};

} // namespace vireo
