// Loading a 1 MB rich-text file into a document, as the help window does
// when it opens. The file is built here from the constructs a word processor
// writes (headings, bold and italic runs, bullet and numbered lists, accented
// letters as \'hh and \uN, a table, a picture to skip). Target: at most 100 ms
// for the reader; the viewer's first layout is printed beside it.
//
//     bench_rtfload [runs]
//
// Prints figures only.

#include "help/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr qsizetype TargetBytes = 1024 * 1024;
constexpr double TargetMs = 100.0;

QByteArray Sample()
{
    QByteArray rtf
        = R"({\rtf1\ansi\ansicpg1252\deff0\uc1)"
          R"({\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\ftech\fcharset2 Symbol;}{\f2\fmodern Courier New;}})"
          R"({\colortbl;\red0\green51\blue102;\red64\green64\blue64;}{\*\generator bench;})"
          "\r\n";
    int section = 0;
    while (rtf.size() < TargetBytes) {
        ++section;
        const QByteArray n = QByteArray::number(section);
        rtf += R"(\pard\plain\keepn\sb360\sa120\f0\fs30\b\cf1 Section )" + n
            + R"(\par)"
              "\r\n";
        rtf += R"(\pard\plain\sa120\sl276\slmult1\f0\fs22\cf2 The operator keeps the contest from the )"
               R"(keyboard: {\b S} starts and stops the clock, {\b R} resets it, {\i arrows} drive the )"
               R"(osaekomi clocks. Caf\'e9 na\'efve \u8364? \ldblquote quoted\rdblquote  text.\par)"
               "\r\n";
        for (int item = 1; item <= 4; ++item)
            rtf += R"(\pard\plain\fi-360\li720\sa60\f0\fs22\cf2 {\pntext\f1\'b7\tab})"
                   R"({\*\pn\pnlvlblt\pnf1\pnindent360{\pntxtb\'b7}}{\b Item )"
                + QByteArray::number(item)
                + R"(}: a short line in a bullet list.\par)"
                  "\r\n";
        for (int item = 1; item <= 3; ++item)
            rtf += R"(\pard\plain\fi-360\li720\sa60\f0\fs22 {\pntext )" + QByteArray::number(item)
                + R"(.\tab}Step )" + QByteArray::number(item)
                + R"( of a numbered list.\par)"
                  "\r\n";
        rtf += R"(\trowd\cellx3000\cellx6000\pard\intbl Key\cell Meaning\cell\row)"
               R"(\trowd\cellx3000\cellx6000\pard\intbl {\f2 F1}\cell Help\cell\row)"
               "\r\n";
        rtf += R"({\pict\pngblip\picw16\pich16 89504e470d0a1a0a0000000d494844520000001000000010}\par)"
               "\r\n";
    }
    rtf += "}";
    return rtf;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const QByteArray rtf = Sample();

    std::vector<double> readMs;
    std::vector<double> layoutMs;
    int characters = 0;
    for (int run = 0; run < runs; ++run) {
        QTextEdit viewer;
        viewer.resize(737, 590);
        auto* document = new QTextDocument(&viewer);
        QElapsedTimer timer;
        timer.start();
        const kv::RtfReadResult result = kv::ReadRtf(rtf, *document);
        readMs.push_back(timer.nsecsElapsed() / 1e6);
        if (!result.UnknownControlWords.isEmpty() || result.Damaged)
            std::printf("unexpected: %d unknown words, damaged %d\n",
                static_cast<int>(result.UnknownControlWords.size()), result.Damaged);
        characters = document->characterCount();
        timer.restart();
        viewer.setDocument(document);
        viewer.setLineWrapMode(QTextEdit::FixedPixelWidth);
        viewer.setLineWrapColumnOrWidth(707);
        document->documentLayout()->documentSize();
        layoutMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("rtf load: %.2f MB of rich text, %d characters in the document, %d runs\n",
        rtf.size() / 1048576.0, characters, runs);
    std::printf("read into the document: median %.1f ms, best %.1f ms (target <= %.0f ms)\n", Median(readMs),
        *std::min_element(readMs.begin(), readMs.end()), TargetMs);
    std::printf("first layout in the viewer: median %.1f ms\n", Median(layoutMs));
    return 0;
}
