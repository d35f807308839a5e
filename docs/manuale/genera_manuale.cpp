// genera_manuale: turns the Markdown source of the user manual into the PDF that "Help" opens.
// Usage: genera_manuale SOURCE.md OUTPUT.pdf (run with QT_QPA_PLATFORM=offscreen).
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: genera_manuale SORGENTE.md MANUALE.pdf\n");
        return 2;
    }
    QFile sorgente(QString::fromLocal8Bit(argv[1]));
    if (!sorgente.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "genera_manuale: impossibile leggere %s\n", argv[1]);
        return 1;
    }
    QTextDocument documento;
    documento.setDefaultFont(QFont("DejaVu Sans", 10));
    documento.setMarkdown(QString::fromUtf8(sorgente.readAll()));
    // Tables with thin ruled cells instead of the raised frames of the default style.
    for (QTextFrame* cornice : documento.rootFrame()->childFrames()) {
        auto* tabella = qobject_cast<QTextTable*>(cornice);
        if (!tabella) continue;
        QTextTableFormat formato = tabella->format();
        formato.setBorder(1);
        formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formato.setBorderCollapse(true);
        formato.setCellSpacing(0);
        formato.setCellPadding(3);
        tabella->setFormat(formato);
    }

    const QString uscita = QString::fromLocal8Bit(argv[2]);
    {
        QPdfWriter pdf(uscita);
        pdf.setTitle("Tessaro - Manuale d'uso");
        pdf.setCreator("Tessaro");
        pdf.setResolution(96); // the layout unit of borders and paddings: screen pixels
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        // print() lays the text out with margins of 2 cm and numbers the pages.
        documento.print(&pdf);
    }
    if (QFile(uscita).size() == 0) {
        std::fprintf(stderr, "genera_manuale: impossibile scrivere %s\n", argv[2]);
        return 1;
    }
    return 0;
}
