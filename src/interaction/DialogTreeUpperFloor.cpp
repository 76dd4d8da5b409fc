// The conversations of the upper floor: Corinna, the cleaning woman and the
// archivist.
#include "interaction/DialogTree.h"
#include "state/TForm2.h"

namespace game::dialogue {

const std::vector<Row>& corinnaRows() {
  static const std::vector<Row> rows = {
      {"Schau doch einmal, was ich da für dich habe.",
       {},
       {clearQueue(), deleteReply(), cmd({"execute script", "\\source\\scripts\\buero5lSilicon.smx"})}},

      {"Na wie gehts dir so, Corinna!",
       {},
       {say("Corinna", {"Frag nicht! Meine Schreibmaschine spinnt schon wieder."}), deleteReply(),
        insertReply("Was ist denn mit der Schreibmaschine?")}},

      {"Schöner Tag heute, was.",
       {},
       {say("Corinna", {"Schön? Hier zittert jeder um seinen Job, Kroxl!"}), deleteReply(),
        say("Kroxl", {"Ich weiß. Das Forschungszentrum sperrt bald zu, und ich soll die Leute motivieren."}),
        say("Corinna", {"Du sollst motivieren? Dann sperren wir ja noch früher zu!"})}},

      {"Kann ich mir deine Liftkarte borgen? Ich hab meine ruiniert!",
       schreibtischIsNot(3),
       {say("Corinna", {"Meine Liftkarte? Und was krieg ich dafür?"}), deleteReply(),
        say("Kroxl", {"<STÖHN!>"}),
        say("Corinna", {"Ich bräuchte dringend mehr Silicon. Für meine... Oberweite.",
                        "Viel Silicon, Kroxl! Eine ganze Kiste! Dann reden wir über die Karte."}),
        cmd({"change", "sick", "1000"}), cmd({"wait", "12"}),
        say("Kroxl", {"Silicon?! Ich bin Physiker, kein Schönheitschirurg!"}),
        say("Corinna", {"Das ist dein Problem, Schätzchen."}), cmd({"change", "siliconhabtest"}),
        say("Kroxl", {"Wo soll ich denn jetzt nur Silicon herbekommen?!"}),
        task("Silicon für Corinna holen."), insertReply("Gib mir doch die Liftkarte, bitte!")}},

      {"Kann ich mir deine Liftkarte borgen? Ich hab meine ruiniert!",
       schreibtischIs(3),
       {tick("Neue Liftkarte besorgen!"),
        say("Corinna", {"Da hast du sie, ich brauch sie derzeit sowieso nicht."}), cmd({"change", "happy"}),
        cmd({"change", "corinna 1"}), cmd({"bitmap", "\\graphic\\corinna\\karte.bmp", "90", "174"}),
        cmd({"wait", "20"}), cmd({"inventar add", "Liftkarte"}),
        cmd({"bitmap", "\\graphic\\corinna\\reset.bmp", "90", "174"}), cmd({"wait", "15"}),
        cmd({"change", "corinna 0"}), deleteReply(), cmd({"end dialog"}),
        direct([](Conversation& c) { c.store.lift.Tag = 0; })}},

      {"Gib mir doch die Liftkarte, bitte!",
       schreibtischIs(3),
       {cmd({"change", "corinna 1"}), say("Corinna", {"Da hast du sie."}),
        cmd({"bitmap", "\\graphic\\corinna\\karte.bmp", "90", "174"}), cmd({"wait", "10"}),
        cmd({"inventar add", "Liftkarte"}), cmd({"change", "happy"}), cmd({"end dialog"}),
        cmd({"bitmap", "\\graphic\\corinna\\reset.bmp", "90", "174"}), cmd({"change", "corinna 0"}),
        deleteReply(), direct([](Conversation& c) { c.store.lift.Tag = 0; }),
        tick("Neue Liftkarte besorgen!")}},

      {"Gib mir doch die Liftkarte, bitte!",
       schreibtischIsNot(3),
       {say("Corinna", {"Besorg mir zuerst mehr Silicon für meine Oberweite! Dann gebe ich sie dir!"}),
        cmd({"change", "siliconhabtest"}), cmd({"change", "sick", "500"}), cmd({"end dialog"})}},

      {"Sagmal wer hat eigentlich diese grauenvolle Tapete für dieses Zimmer ausgesucht?",
       {},
       {say("Corinna", {"Der Chef persönlich. Braun mit Orange, sagt er, beruhigt die Nerven."}),
        deleteReply()}},

      {"Was ist denn mit der Schreibmaschine?",
       {},
       {say("Corinna", {"Die piepst bei jedem Komma und bei jeder Kleinigkeit. Ein mechanischer Defekt, "
                        "sagt der Franz."}),
        deleteReply()}},

      {"Ich geh dann!", {}, {say("Corinna", {"Tschüsssi!"}), cmd({"end dialog"})}},

      {"Ich muß gehen, wir sehen uns!", {}, {say("Corinna", {"Tschüsssi!"}), cmd({"end dialog"})}},
  };
  return rows;
}

const std::vector<Row>& putzfrauRows() {
  static const std::vector<Row> rows = {
      // The reply stays: she can be asked again.
      {"Aber Sie saugen doch gar nicht!",
       {},
       {say("Putzfrau", {"Nicht saugen? Ich sauge ununterbrochen! Passen Sie auf!"}),
        cmd({"play wav effect", "\\sound\\effects\\sauger.wav"}),
        say("Putzfrau", {"Das reicht mal fürs Erste."})}},

      {"ACH LECKEN SIE MICH DOCH AM ARSCH!",
       {},
       {clearQueue(), deleteReply(), cmd({"wait", "20"}), cmd({"change", "happy"}),
        say("Kroxl", {"Nichts für ungut, gute Frau!"}), cmd({"end dialog"}), cmd({"look left"}),
        cmd({"wait", "5"}), cmd({"change", "bad", "540"})}},

      {"Bitte lassen Sie mich sofort durch!",
       {},
       {say("Putzfrau", {"Ich geh hier erst weg, wenn mein Staubsauger explodiert! Und der hält ewig."}),
        deleteReply()}},

      {"Ok!", {}, {cmd({"end dialog"}), cmd({"look left"})}},
  };
  return rows;
}

const std::vector<Row>& archivarRows() {
  static const std::vector<Row> rows = {
      {"Ich geh dann!", {}, {say("Archivar", {"jaja"}), cmd({"end dialog"})}},

      {"Müde?",
       {},
       {say("Archivar", {"Müde? Ich? Ein Archivar schläft nie! Wer passt denn sonst auf die Bücher auf?",
                         "Na gut... vielleicht ein ganz kleines bisschen. *gähn*"}),
        deleteReply(), insertReply("Was lesen Sie da?")}},

      // Kroxl talks him to sleep; the book on his desk becomes a hot spot.
      {"Was lesen Sie da?",
       {},
       {say("Archivar", {"'Kleine Teilchen und ihre noch kleineren Teilchen', Band 12. Hochspannend!"}),
        say("Kroxl", {"Teilchen! Da fällt mir ein, ich lese gerade 'Druckverfahren im Wandel der Zeit'.",
                      "Kapitel 1: der Hochdruck. Die druckenden Stellen liegen höher als die nicht "
                      "druckenden.",
                      "Kapitel 2: der Tiefdruck. Da ist es genau umgekehrt, stellen Sie sich das vor!",
                      "Kapitel 3: der Flachdruck. Alles liegt gleich hoch. Da fragt man sich natürlich: "
                      "Wie geht das?",
                      "Und erst der Siebdruck! Das Sieb, müssen Sie wissen, hat eine Maschenweite von..."}),
        cmd({"change", "archivar schläft"}), cmd({"bitmap", "\\graphic\\archiv\\wumm.bmp", "290", "176"}),
        cmd({"play wav effect", "\\sound\\effects\\fall.wav"}), cmd({"wait", "25"}),
        say("Kroxl", {"... na dann gute nacht ..."}), cmd({"end dialog"})}},
  };
  return rows;
}

}  // namespace game::dialogue
