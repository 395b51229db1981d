#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QStringList>

#include "platform/application.h"
#include "platform/errorbox.h"
#include "platform/exception.h"
#include "support/recordederrorboxes.h"

namespace {

// A handler that fails the way a board save does.
class FailingReceiver : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw Exception(QStringLiteral("a.qvx に書き込めません"));
        return QObject::event(e);
    }
};

TEST(ApplicationTest, ErrorEscapingAHandlerIsShownAndDeliveryGoesOn) {
    RecordedErrorBoxes boxes;
    FailingReceiver receiver;
    QEvent failing(QEvent::User);
    const bool handled =
        Application::DeliverGuarded([&] { return QCoreApplication::sendEvent(&receiver, &failing); });
    EXPECT_FALSE(handled);
    EXPECT_EQ(boxes.shown, QStringList{"a.qvx に書き込めません."});

    QEvent next(QEvent::Type(QEvent::User + 1));
    EXPECT_NO_THROW(
        Application::DeliverGuarded([&] { return QCoreApplication::sendEvent(&receiver, &next); }));
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST(ApplicationTest, DeliveryResultPassesThrough) {
    RecordedErrorBoxes boxes;
    EXPECT_TRUE(Application::DeliverGuarded([] { return true; }));
    EXPECT_FALSE(Application::DeliverGuarded([] { return false; }));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(ApplicationTest, StartUpErrorIsShownAndTheProgramReturnsZero) {
    RecordedErrorBoxes boxes;
    EXPECT_EQ(Application::Run([] { throw Exception(QStringLiteral("起動できません")); }), 0);
    EXPECT_EQ(Application::Run([] { throw 1; }), 0);
    EXPECT_EQ(Application::Run([] {}), 0);
    EXPECT_EQ(boxes.shown, (QStringList{"起動できません.", ""}));
}

}  // namespace
