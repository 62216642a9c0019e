// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kalyxteron {

namespace {

// A widget of no size, so the eye never sees it. To a screen reader it is a
// notification, and screen readers read a notification aloud each time it
// appears (Orca does; Qt 6.4 passes no announcement or alert event on).
class Announcement : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

QAccessibleInterface *announcementAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("kalyxteron::Announcement") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

// Announces once, after the window's activation has reached the screen reader.
class OnOpening : public QObject {
public:
    OnOpening(QWidget *screen, const QString &text) : QObject(screen), m_text(text)
    {
        screen->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                announce(static_cast<QWidget *>(parent()), m_text);
                deleteLater();
            });
        }
        return false;
    }

private:
    QString m_text;
};

} // namespace

void announce(QWidget *screen, const QString &text)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcementAccessible);
        return true;
    }();
    (void)installed;
    auto *announcement = screen->findChild<Announcement *>(QStringLiteral("announcement"));
    if (!announcement) {
        announcement = new Announcement(screen);
        announcement->setObjectName(QStringLiteral("announcement"));
        announcement->setGeometry(0, 0, 0, 0);
        announcement->setFocusPolicy(Qt::NoFocus);
    }
    // Hidden and shown again, so that the same words twice are read twice.
    announcement->hide();
    announcement->setAccessibleName(text);
    announcement->show();
}

void announceOnOpening(QWidget *screen, const QString &text)
{
    new OnOpening(screen, text);
}

QString asSentences(const QStringList &pieces)
{
    QStringList sentences;
    for (const QString &piece : pieces) {
        QString sentence = piece.simplified();
        if (sentence.isEmpty())
            continue;
        // A closing quotation mark may follow the sentence's own full stop.
        const qsizetype end = sentence.size() - (QStringView(u"\"»").contains(sentence.back()) ? 2 : 1);
        if (end < 0 || !QStringView(u".!;?").contains(sentence.at(end)))
            sentence += u'.';
        sentences << sentence;
    }
    return sentences.join(u' ');
}

} // namespace kalyxteron

#include "announcement.moc"
