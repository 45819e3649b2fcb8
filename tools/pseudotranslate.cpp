// Writes the test language's translation: every message of a .ts file
// translated into a marked, 40 % longer text, so that a text shown without
// translation, or cut by its box, shows at once.
//
//     pseudotranslate in.ts out.ts
//
// "CONTEST TIME" becomes "[ÇÖÑŢÉŠŢ~~~ ŢÎMÉ~~]": letters with marks (a box
// must hold them), every word 40 % longer and the whole text in brackets. Lists
// joined by "|", placeholders (%1, %n), access keys (&) and line breaks stay
// where they were.

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <cstdio>

namespace {

QChar Marked(QChar c)
{
    static const QHash<QChar, QChar> marks = [] {
        const QString plain = QStringLiteral("AEIOUCNSTaeioucnstyY");
        const QString marked
            = QStringLiteral("\u00c4\u00c9\u00ce\u00d6\u00dc\u00c7\u00d1\u0160\u0162"
                             "\u00e4\u00e9\u00ee\u00f6\u00fc\u00e7\u00f1\u0161\u0163\u00fd\u00dd");
        QHash<QChar, QChar> map;
        for (qsizetype i = 0; i < plain.size(); ++i)
            map.insert(plain[i], marked[i]);
        return map;
    }();
    return marks.value(c, c);
}

// One entry of a list, or a whole text: each word 40 % longer (as German
// words are), the whole in brackets.
QString PseudoEntry(const QString& text)
{
    if (text.trimmed().isEmpty())
        return text;
    QString out;
    qsizetype wordLength = 0;
    const auto endWord = [&out, &wordLength] {
        if (wordLength == 0)
            return;
        // The padding goes before the word's closing punctuation.
        qsizetype at = out.size();
        while (at > 0 && QStringLiteral(".,:;!?)'\"").contains(out[at - 1]))
            --at;
        out.insert(at, QString(qsizetype(std::ceil(wordLength * 0.4)), u'~'));
        wordLength = 0;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isSpace()) {
            endWord();
            out += c;
            continue;
        }
        ++wordLength;
        // Placeholders stay as they are.
        if (c == u'%' && i + 1 < text.size() && (text[i + 1].isDigit() || text[i + 1] == u'n')) {
            out += c;
            out += text[++i];
            continue;
        }
        out += Marked(c);
    }
    endWord();
    return u'[' + out + u']';
}

QString Pseudo(const QString& source)
{
    QStringList entries = source.split(u'|');
    for (QString& entry : entries)
        entry = PseudoEntry(entry);
    return entries.join(u'|');
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pseudotranslate in.ts out.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "pseudotranslate: cannot read %s or write %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    QString source;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QString name = reader.name().toString();
            if (name == QLatin1String("TS")) {
                writer.writeStartElement(name);
                writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
                writer.writeAttribute(QStringLiteral("language"), QStringLiteral("pseudo"));
            } else if (name == QLatin1String("context") || name == QLatin1String("message")) {
                writer.writeStartElement(name);
            } else if (name == QLatin1String("name")) {
                writer.writeTextElement(name, reader.readElementText());
            } else if (name == QLatin1String("source")) {
                source = reader.readElementText();
                writer.writeTextElement(name, source);
            } else if (name == QLatin1String("translation")) {
                reader.skipCurrentElement();
                writer.writeTextElement(name, Pseudo(source));
            } else {
                reader.skipCurrentElement();
            }
        } else if (reader.isEndElement()) {
            const QString name = reader.name().toString();
            if (name == QLatin1String("TS") || name == QLatin1String("context")
                || name == QLatin1String("message"))
                writer.writeEndElement();
        }
    }
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "pseudotranslate: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
