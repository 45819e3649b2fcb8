#pragma once

// The board as the built-in web page draws it: every control of the board
// window (but those left out, such as the operator's selection frame), in
// painting order, with its place in the board's pixels, its texts, colours,
// digits and visibility, read from the controls themselves, as the audience
// window paints them. The page scales it to the browser's window the way the
// board scales: horizontal places by the width ratio, text and digits by the
// height ratio.

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

namespace kv {

class BoardView final
{
public:
    BoardView(QWidget& board, QStringList leftOut);

    // Reads places, texts, fonts and pictures anew (after the board applied
    // its settings or was resized). Cheap enough for a change, not for a tick.
    void ReadLayout();
    // Reads what changes during a contest (visibility, colours, digits).
    // True when anything differs from the last read. Cheap: run it every tick.
    bool ReadLive();

    // {"board":{"w":..,"h":..,"bg":"#404040","digit":{..},"items":[..]}}
    QByteArray ViewJson() const;
    // {"pictures":{"imgHomePic":"data:image/png;base64,.."}}, pictures only.
    QByteArray PicturesJson() const;
    // Changes whenever a picture of the board changes.
    qint64 PicturesKey() const { return m_picturesKey; }
    int ItemCount() const { return static_cast<int>(m_items.size()); }

private:
    struct Live
    {
        bool Visible = false;
        std::array<int, 5> Values {};
        QString Text;
        bool operator==(const Live&) const = default;
    };
    struct Item
    {
        QPointer<QWidget> Widget;
        QString Kind;
        QJsonObject Layout;
        Live Now;
        QByteArray Json; // the item as the page gets it; made anew when it changes
    };
    void Collect(QWidget& container, int parentIndex);
    static Live ReadItem(const Item& item);
    QJsonObject LiveJson(const Item& item) const;

    QPointer<QWidget> m_board;
    QStringList m_leftOut;
    QList<Item> m_items;
    QByteArray m_digitJson;
    int m_boardBack = 0;
    qint64 m_picturesKey = 0;
};

} // namespace kv
