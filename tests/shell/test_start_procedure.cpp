#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"
#include "shell/App.h"
#include "shell/ConfigWindow.h"
#include "shell/StartProcedure.h"
#include "support/AppFixture.h"

#include <QTest>
#include <QWidget>
#include <utility>

using namespace vireo;
using Kind = StartProcedure::RunKind;

namespace {

// Records how the start procedure opened the configuration window.
class RecordingConfig : public QWidget, public ConfigWindow {
public:
    void showPanel(Panel p, const QString& c, std::optional<QSizeF> s) override
    {
        panel = p;
        caption = c;
        size = s;
    }
    std::optional<Panel> panel;
    QString caption;
    std::optional<QSizeF> size;
};

struct Fixture : test::AppFixture {
    RecordingConfig* config = nullptr;
    int masterOpened = 0;

    Fixture()
    {
        app.configKind = {[this](App&) {
                              config = new RecordingConfig;
                              return static_cast<QWidget*>(config);
                          },
                          false};
    }
    ~Fixture() { delete config; }
    Kind run()
    {
        return StartProcedure::run(app, [this] { ++masterOpened; });
    }
    QString vro(const char* section, const char* key) const
    {
        return settings.read(QStringLiteral("vro"), QLatin1String(section), QLatin1String(key));
    }
};

} // namespace

class TestStartProcedure : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunWritesDefaultsInOrder();
    void firstRunShowsMessageThenConfiguration();
    void unconfirmedConfigurationComesBack();
    void updateKeepsChoicesAndResetsTheRest();
    void storeWithoutMarkerIsAnUpdate();
    void ordinaryRunWritesNothing();
    void todayIsTaken();
};

void TestStartProcedure::firstRunWritesDefaultsInOrder()
{
    Fixture f;
    QCOMPARE(f.run(), Kind::First);
    QList<MemorySettingsStore::Write> expected;
    const char* defaults[][2] = {{"1", "0"},   {"2", "0"}, {"3", "0"}, {"4", "0"}, {"5", "1"},
                                 {"6", "240"}, {"7", "1"}, {"8", "0"}, {"9", "0"}};
    for (const auto& d : defaults)
        expected.append({QStringLiteral("vro"), QStringLiteral("settings"), QLatin1String(d[0]),
                         QLatin1String(d[1])});
    expected.append({QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage"),
                     f.path("\\start.html")});
    QCOMPARE(f.settings.writes().mid(0, expected.size()), expected);
    QCOMPARE(f.vro("startup", "version"), StartProcedure::version());
    QCOMPARE(f.masterOpened, 1);
}

void TestStartProcedure::firstRunShowsMessageThenConfiguration()
{
    Fixture f;
    f.run();
    QCOMPARE(f.dialogs.messages(), QStringList{StartProcedure::firstRunMessage()});
    QCOMPARE(f.dialogs.shown.first().caption, QString()); // the program's title
    QVERIFY(f.config);
    QCOMPARE(f.config->panel, ConfigWindow::Panel::Configuration);
    QCOMPARE(f.config->caption, QStringLiteral("Vireo Configuration"));
    QCOMPARE(f.config->size, QSizeF(3330, 5520));
}

// Closed by its close box, the first-run configuration stored no passwords: every start shows
// it again until its OK has been pressed once.
void TestStartProcedure::unconfirmedConfigurationComesBack()
{
    Fixture f;
    QCOMPARE(f.run(), Kind::First);
    QCOMPARE(f.vro("startup", "configure"), QStringLiteral("1"));
    for (int start = 2; start <= 3; ++start) {
        delete std::exchange(f.config, nullptr);
        f.dialogs.shown.clear();
        QCOMPARE(f.run(), Kind::Ordinary);
        QCOMPARE(f.dialogs.messages(), QStringList{StartProcedure::firstRunMessage()});
        QVERIFY(f.config);
        QCOMPARE(f.config->panel, ConfigWindow::Panel::Configuration);
        QCOMPARE(f.config->size, QSizeF(3330, 5520));
    }
    // An update in between still writes its defaults, and the configuration comes first.
    f.settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("version"),
                     QStringLiteral("0.9.0"));
    f.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("6"),
                     QStringLiteral("30"));
    delete std::exchange(f.config, nullptr);
    QCOMPARE(f.run(), Kind::AfterUpdate);
    QCOMPARE(f.vro("settings", "6"), QStringLiteral("240"));
    QCOMPARE(f.config->panel, ConfigWindow::Panel::Configuration);

    StartProcedure::configurationDone(f.settings);
    delete std::exchange(f.config, nullptr);
    f.dialogs.shown.clear();
    QCOMPARE(f.run(), Kind::Ordinary);
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(!f.config);
}

void TestStartProcedure::updateKeepsChoicesAndResetsTheRest()
{
    Fixture f;
    const auto set = [&f](const char* key, const char* value) {
        f.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QLatin1String(key),
                         QLatin1String(value));
    };
    for (const char* key : {"1", "2", "3", "4", "7", "8", "9"})
        set(key, "1");
    set("5", "0");
    set("6", "30");
    f.settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage"),
                     QStringLiteral("https://example.org/"));
    f.settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("version"),
                     QStringLiteral("0.9.0"));

    QCOMPARE(f.run(), Kind::AfterUpdate);
    QCOMPARE(f.vro("settings", "1"), QStringLiteral("1"));
    QCOMPARE(f.vro("settings", "2"), QStringLiteral("1"));
    QCOMPARE(f.vro("settings", "3"), QStringLiteral("1"));
    QCOMPARE(f.vro("startup", "startpage"), QStringLiteral("https://example.org/"));
    const char* reset[][2] = {{"4", "0"}, {"5", "1"}, {"6", "240"},
                              {"7", "1"}, {"8", "0"}, {"9", "0"}};
    for (const auto& r : reset)
        QCOMPARE(f.vro("settings", r[0]), QLatin1String(r[1]));
    QCOMPARE(f.vro("startup", "version"), StartProcedure::version());
    QVERIFY(f.dialogs.messages().isEmpty());
    QCOMPARE(f.config->panel, ConfigWindow::Panel::WhatsNew);
    QCOMPARE(f.config->caption, QStringLiteral("What's New?"));
    QCOMPARE(f.config->size, QSizeF(4815, 6870));
}

void TestStartProcedure::storeWithoutMarkerIsAnUpdate()
{
    MemorySettingsStore settings;
    settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("6"),
                   QStringLiteral("60"));
    QCOMPARE(StartProcedure::decide(settings, QStringLiteral("1.0.0")), Kind::AfterUpdate);
}

void TestStartProcedure::ordinaryRunWritesNothing()
{
    Fixture f;
    f.settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("version"),
                     StartProcedure::version());
    f.settings.clearWrites();
    QCOMPARE(f.run(), Kind::Ordinary);
    QVERIFY(f.settings.writes().isEmpty());
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(!f.config);
    QCOMPARE(f.masterOpened, 1);
}

void TestStartProcedure::todayIsTaken()
{
    Fixture f;
    f.run();
    QCOMPARE(f.app.today, QDate::currentDate());
}

QTEST_MAIN(TestStartProcedure)
#include "test_start_procedure.moc"
