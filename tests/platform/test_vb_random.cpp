#include "platform/VbRandom.h"

#include <QTest>

using namespace vireo;

class TestVbRandom : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameSequenceEveryRun();
    void staysInTheUnitInterval();
    void processWideIsOneSequence();
};

void TestVbRandom::sameSequenceEveryRun()
{
    vb::Random generator;
    // The runtime's first draws when never seeded.
    const double expected[] = {0.7055475115776062, 0.5334240198135376, 0.5795186161994934,
                               0.289562463760376, 0.30194801092147827};
    for (double value : expected)
        QCOMPARE(generator.next(), value);
    QCOMPARE(vb::Random().next(), expected[0]);
}

void TestVbRandom::staysInTheUnitInterval()
{
    vb::Random generator;
    double lowest = 1, highest = 0;
    for (int i = 0; i < (1 << 24); ++i) {
        const double v = generator.next();
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    QCOMPARE(lowest, 0.0);
    QCOMPARE(highest, 16777215.0 / 16777216.0);
}

void TestVbRandom::processWideIsOneSequence()
{
    vb::Random reference;
    QCOMPARE(vb::Rnd(), reference.next());
    QCOMPARE(vb::Rnd(), reference.next());
}

QTEST_GUILESS_MAIN(TestVbRandom)
#include "test_vb_random.moc"
