// The session-script runner: lines, exit statuses and the messages it prints.
#include "support/finestra_prova.h"

#include "cli/sessione.h"

#include <gtest/gtest.h>

namespace tessaro {

namespace {
struct Esito {
    int stato;
    std::string out, err;
};

Esito esegui(const std::string& script) {
    prova::CartellaProva cartella;
    prova::MisuraFissa misura;
    std::ostringstream out, err;
    Sessione s(out, err, misura, {});
    std::istringstream in(script);
    const int stato = s.esegui(in);
    return {stato, out.str(), err.str()};
}
} // namespace

TEST(Sessione, LinesNotUnderstoodNameTheirNumber) {
    for (const char* riga : {"jump", "leave Text1(39)", "leave Text2", "click Option1(6)",
                             "click Option3(-1)", "type Text0(1) 5", "start now", "dump all",
                             "picture plan.pdf", "click Command1(11)", "leave Text1(1"}) {
        const Esito e = esegui("start\n# comment\n\n" + std::string(riga) + "\n");
        EXPECT_EQ(e.stato, 2) << riga;
        EXPECT_NE(e.err.find("riga 4"), std::string::npos) << e.err;
    }
}

TEST(Sessione, EventsBeforeStartStopTheRun) {
    const Esito e = esegui("leave Text1(5)\n");
    EXPECT_EQ(e.stato, 1);
}

TEST(Sessione, TypeTakesTheTextVerbatim) {
    const Esito e = esegui("start\ntype Text1(4)   4 5 \ntype Text3 \ndump\n");
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find("Text1(4)=  4 5 \n"), std::string::npos);
    EXPECT_NE(e.out.find("Text3=\n"), std::string::npos);
}

TEST(Sessione, CloseEndsTheRunAndAStartBeginsANewOne) {
    const Esito e = esegui("start\ntype Text1(4) 55\nclose\ndump\n");
    EXPECT_EQ(e.stato, 1); // the window is gone after close
    const Esito f = esegui("start\ntype Text1(4) 55\nclose\nstart\ndump\n");
    EXPECT_EQ(f.stato, 0) << f.err;
    EXPECT_NE(f.out.find("Text1(4)=40\n"), std::string::npos);
}

} // namespace tessaro
