// genera_manuale: turns the Markdown source of the user manual into the PDF that "Help" opens.
// Usage: genera_manuale SOURCE.md OUTPUT.pdf (run with QT_QPA_PLATFORM=offscreen).
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

// Screenshots are wider than the text: each image is scaled down to the text width of an A4
// page (at 96 dpi, 2 cm margins), its proportions kept. A missing image stops the build, so
// the manual never ships with an empty frame.
static bool adatta_immagini(QTextDocument& documento, const QString& cartella) {
    constexpr double larghezza_testo = 640;
    // Collected first: a new format may merge or split the fragments being walked.
    struct Immagine {
        int inizio, fine;
        QTextImageFormat formato;
    };
    std::vector<Immagine> immagini;
    for (QTextBlock blocco = documento.begin(); blocco.isValid(); blocco = blocco.next())
        for (auto pezzo = blocco.begin(); !pezzo.atEnd(); ++pezzo) {
            const QTextFragment f = pezzo.fragment();
            if (f.charFormat().isImageFormat())
                immagini.push_back({f.position(), f.position() + f.length(),
                                    f.charFormat().toImageFormat()});
        }
    for (auto& [inizio, fine, formato] : immagini) {
        const QImage immagine(cartella + formato.name());
        if (immagine.isNull()) {
            std::fprintf(stderr, "genera_manuale: immagine mancante %s\n",
                         qPrintable(formato.name()));
            return false;
        }
        documento.addResource(QTextDocument::ImageResource, QUrl(formato.name()), immagine);
        const double scala = std::min(1.0, larghezza_testo / immagine.width());
        formato.setWidth(immagine.width() * scala);
        formato.setHeight(immagine.height() * scala);
        QTextCursor cursore(&documento);
        cursore.setPosition(inizio);
        cursore.setPosition(fine, QTextCursor::KeepAnchor);
        cursore.setCharFormat(formato);
    }
    return true;
}

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
    const QString cartella = QFileInfo(sorgente).absolutePath() + '/';
    QTextDocument documento;
    documento.setDefaultFont(QFont("DejaVu Sans", 10));
    documento.setMarkdown(QString::fromUtf8(sorgente.readAll()));
    if (!adatta_immagini(documento, cartella)) return 1;
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
