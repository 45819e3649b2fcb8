#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace kv {

// A top-level window holding controls placed in twips. The form keeps its
// control collection: every control, those inside containers and every
// element of a control array, in one stable order (the order they were added).
class Form : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double Width READ Width)
    Q_PROPERTY(double Height READ Height)
    Q_PROPERTY(int WindowState READ WindowState)

public:
    explicit Form(QWidget* parent = nullptr);

    const QList<QObject*>& Controls() const { return m_controls; }
    void AddControl(QObject* control);
    // A text of the design (a caption, the tab captions, a list's entries):
    // the control's property holds it translated, and is set again whenever
    // the program's language changes.
    void AddDesignText(QObject* control, const char* property, const QString& source);
    // The control of that name; for a control array, the element of that index.
    QObject* Control(const QString& name, int index = -1) const;
    template <typename T> T* ControlAs(const QString& name, int index = -1) const
    {
        return qobject_cast<T*>(Control(name, index));
    }

    // Outer size in twips, window frame and caption included (the client
    // size where no window manager adds a frame).
    double Width() const;
    double Height() const;
    // Client area in twips. Unlike the outer size it is known before the
    // window is first shown and does not change when the window system adds
    // or changes the frame.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Sets the client area in twips.
    void SetClientSize(double widthTwips, double heightTwips);
    // 0 normal, 1 minimised, 2 maximised.
    int WindowState() const;

    // Translates the design texts again into the language now in effect and
    // refreshes what the form shows in words; runs on every language change.
    virtual void Retranslate();

protected:
    // Leaving the minimised state raises a resize even where the window
    // system sends none because the size stayed: a layout skipped while the
    // window was minimised is brought up to date on restore.
    // A language change runs Retranslate.
    void changeEvent(QEvent* event) override;

private:
    struct DesignText
    {
        QPointer<QObject> Control;
        const char* Property;
        QString Source;
    };
    QList<QObject*> m_controls;
    QList<DesignText> m_designTexts;
};

} // namespace kv
