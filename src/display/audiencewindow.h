#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace kv {

class Form;

// A second view of a form for the audience: it paints the form's own
// controls at its own size, with the form's proportions (horizontal
// positions by the width ratio, sizes by the height ratio), so it can never
// show anything the form does not hold. Controls named in `hidden` (the
// operator's selection frame) are left out. It takes no editing: clicks do
// nothing, keys go to the form's focused control as if pressed there, and
// only the program itself can close it.
class AudienceWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit AudienceWindow(Form& board, QStringList hidden, QWidget* parent = nullptr);
    ~AudienceWindow() override;

    // Closes the window; the only close it accepts.
    void CloseForGood();

    // Where a control of the board shows in this window, in its pixels.
    QRect TargetRect(const QWidget* control) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Mapping
    {
        double widthRatio = 0;
        double heightRatio = 0;
        bool valid = false;
    };
    Mapping CurrentMapping() const;
    QRect Target(const Mapping& mapping, const QWidget* control, const QPoint& boardTopLeft) const;
    void PaintChildren(QPainter& painter, const Mapping& mapping, const QWidget* container,
        const QPoint& origin, const QRect& dirty);
    void Watch(QObject* object);
    bool IsLeftOut(const QWidget* control) const;
    QPoint BoardTopLeft(const QWidget* control) const;

    QPointer<Form> m_board;
    QStringList m_hidden;
    bool m_painting = false;
    bool m_closing = false;
};

} // namespace kv
