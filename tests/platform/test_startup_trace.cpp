#include "platform/StartupTrace.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

using namespace vireo;

namespace {

QStringList& captured()
{
    static QStringList lines;
    return lines;
}

void capture(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (QLatin1String(context.category) == QLatin1String("vireo.startup"))
        captured().append(message);
}

} // namespace

class TestStartupTrace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { captured().clear(); }
    void silentUnlessAskedFor();
    void eachStepOnceInOrder();
};

void TestStartupTrace::silentUnlessAskedFor()
{
    QLoggingCategory::setFilterRules(QString());
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    StartupTrace::begin();
    StartupTrace::mark("quiet step");
    qInstallMessageHandler(previous);
    QCOMPARE(captured(), QStringList());
}

// A step of every page marks the first page only; the times, counted from the process's start,
// are never below the time since begin() and never go back.
void TestStartupTrace::eachStepOnceInOrder()
{
    QLoggingCategory::setFilterRules(QStringLiteral("vireo.startup.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    QElapsedTimer sinceBegin;
    StartupTrace::begin();
    sinceBegin.start();
    StartupTrace::mark("first step");
    QTest::qSleep(30);
    StartupTrace::mark("page step");
    StartupTrace::mark("first step");
    StartupTrace::mark("page step");
    const qint64 atLeast = sinceBegin.elapsed();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());

    QCOMPARE(captured().size(), 3);
    const QRegularExpression line(QStringLiteral("^(\\d+) ms (.+)$"));
    QStringList steps;
    qint64 before = -1;
    for (const QString& message : captured()) {
        const QRegularExpressionMatch m = line.match(message);
        QVERIFY2(m.hasMatch(), qPrintable(message));
        const qint64 ms = m.captured(1).toLongLong();
        QVERIFY2(ms >= before, qPrintable(message));
        before = ms;
        steps.append(m.captured(2));
    }
    QCOMPARE(steps, (QStringList{QStringLiteral("main() reached"), QStringLiteral("first step"),
                                 QStringLiteral("page step")}));
    QVERIFY2(before >= atLeast - 1, qPrintable(captured().last()));
}

QTEST_GUILESS_MAIN(TestStartupTrace)
#include "test_startup_trace.moc"
