<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ActionWords</name>
    <message>
        <source>Roll the die</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Open the panel for one-roll bets; bets standing on the table come back to the bankroll</source>
        <translation>Öffnet die Eingabe der Ein-Wurf-Wetten; Wetten auf dem Tisch gehen zurück ins Kapital</translation>
    </message>
    <message>
        <source>Register the one-roll amounts entered</source>
        <translation>Platziert die eingegebenen Ein-Wurf-Beträge</translation>
    </message>
    <message>
        <source>Close the one-roll panel without registering its amounts</source>
        <translation>Schließt die Eingabe der Ein-Wurf-Wetten, ohne die Beträge zu platzieren</translation>
    </message>
    <message>
        <source>Close the about panel</source>
        <translation>Schließt die Programminformation</translation>
    </message>
    <message>
        <source>Return to the table</source>
        <translation>Zurück zum Tisch</translation>
    </message>
    <message>
        <source>The main bet, up to 500 dollars in steps of 5; the Up and Down keys change it</source>
        <translation>Der Haupteinsatz, bis 500 Dollar in Schritten von 5; die Pfeiltasten Auf und Ab ändern ihn</translation>
    </message>
    <message>
        <source>A one-roll bet, up to 100 dollars; the Up and Down keys change it</source>
        <translation>Eine Ein-Wurf-Wette, bis 100 Dollar; die Pfeiltasten Auf und Ab ändern sie</translation>
    </message>
    <message>
        <source>Amount of the main bet</source>
        <translation>Betrag des Haupteinsatzes</translation>
    </message>
    <message>
        <source>Amount entered for a one-roll bet</source>
        <translation>Eingegebener Betrag einer Ein-Wurf-Wette</translation>
    </message>
    <message>
        <source>Money left to bet with</source>
        <translation>Geld, mit dem Sie noch setzen können</translation>
    </message>
    <message>
        <source>The point to roll again: the first chance pays two to one, the second one to one, the third two to one</source>
        <translation>Der Point, der noch einmal fallen muss: Versuch 1 zahlt 2 zu 1, Versuch 2 zahlt 1 zu 1, Versuch 3 zahlt 2 zu 1</translation>
    </message>
    <message>
        <source>A number that can become the point</source>
        <translation>Eine Zahl, die zum Point werden kann</translation>
    </message>
    <message>
        <source>Come-out marker, lit while the next roll is a come-out roll</source>
        <translation>Come-out-Markierung, leuchtet, solange der nächste Wurf ein Come-out-Wurf ist</translation>
    </message>
    <message>
        <source>One-roll bet spot; a bet pays four to one when its number comes up</source>
        <translation>Feld für Ein-Wurf-Wetten; eine Wette zahlt 4 zu 1, wenn ihre Zahl fällt</translation>
    </message>
    <message>
        <source>Outcome of the main bet</source>
        <translation>Ergebnis des Haupteinsatzes</translation>
    </message>
    <message>
        <source>Information and instructions</source>
        <translation>Hinweise und Anleitungen</translation>
    </message>
    <message>
        <source>End of the game</source>
        <translation>Ende des Spiels</translation>
    </message>
    <message>
        <source>Outcome of the one-roll bets</source>
        <translation>Ergebnis der Ein-Wurf-Wetten</translation>
    </message>
    <message>
        <source>Notice about the automatic re-bet</source>
        <translation>Hinweis zur automatischen Wiederholung des Einsatzes</translation>
    </message>
    <message>
        <source>Instructions for one-roll bets</source>
        <translation>Anleitung für Ein-Wurf-Wetten</translation>
    </message>
    <message>
        <source>About Pipfall</source>
        <translation>Über Pipfall</translation>
    </message>
    <message>
        <source>Payout of one-roll bets</source>
        <translation>Auszahlung der Ein-Wurf-Wetten</translation>
    </message>
    <message>
        <source>Face of the last roll</source>
        <translation>Augenzahl des letzten Wurfs</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>How to play the game on the computer</source>
        <translation>So spielen Sie am Computer</translation>
    </message>
    <message>
        <source>No point</source>
        <translation>Kein Point</translation>
    </message>
    <message>
        <source>Point %1, %2</source>
        <translation>Point %1, %2</translation>
    </message>
    <message>
        <source>One-roll bet on %1: %2</source>
        <translation>Ein-Wurf-Wette auf die %1: %2</translation>
    </message>
    <message>
        <source>One-roll bet on %1: %2, a winner; press to take it down</source>
        <translation>Ein-Wurf-Wette auf die %1: %2, gewonnen; zum Abräumen drücken</translation>
    </message>
    <message>
        <source>One-roll spot %1: just rolled, no bet</source>
        <translation>Ein-Wurf-Feld %1: eben gewürfelt, keine Wette</translation>
    </message>
    <message>
        <source>One-roll spot %1: no bet</source>
        <translation>Ein-Wurf-Feld %1: keine Wette</translation>
    </message>
    <message>
        <source>Press Return to choose a new bankroll.</source>
        <translation>Eingabetaste drücken, um neues Kapital zu wählen.</translation>
    </message>
    <message>
        <source>Bankroll, %1</source>
        <translation>Kapital, %1</translation>
    </message>
    <message>
        <source>Point number %1, %2</source>
        <translation>Point-Zahl %1, %2</translation>
    </message>
    <message>
        <source>Point number %1</source>
        <translation>Point-Zahl %1</translation>
    </message>
    <message>
        <source>Main bet</source>
        <translation>Haupteinsatz</translation>
    </message>
    <message>
        <source>One-roll amount on %1</source>
        <translation>Ein-Wurf-Betrag auf die %1</translation>
    </message>
    <message>
        <source>Pipfall logo</source>
        <translation>Pipfall-Logo</translation>
    </message>
    <message>
        <source>Die, not rolled yet</source>
        <translation>Würfel, noch nicht geworfen</translation>
    </message>
    <message>
        <source>Die, %1</source>
        <translation>Würfel, %1</translation>
    </message>
    <message>
        <source>1 dollar</source>
        <translation>1 Dollar</translation>
    </message>
    <message>
        <source>%1 dollars</source>
        <translation>%1 Dollar</translation>
    </message>
    <message>
        <source>one</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>first chance</source>
        <translation>Versuch 1</translation>
    </message>
    <message>
        <source>second chance</source>
        <translation>Versuch 2</translation>
    </message>
    <message>
        <source>third chance</source>
        <translation>Versuch 3</translation>
    </message>
    <message>
        <source>pays one to one</source>
        <translation>zahlt 1 zu 1</translation>
    </message>
    <message>
        <source>pays two to one</source>
        <translation>zahlt 2 zu 1</translation>
    </message>
    <message>
        <source>Rolled a %1.</source>
        <translation>Eine %1 gewürfelt.</translation>
    </message>
    <message>
        <source>The bet of %1 is lost.</source>
        <translation>Der Einsatz von %1 ist verloren.</translation>
    </message>
    <message>
        <source>It wins %1.</source>
        <translation>Gewinn: %1.</translation>
    </message>
    <message>
        <source>The point is %1: %2, %3.</source>
        <translation>Der Point ist %1: %2, %3.</translation>
    </message>
    <message>
        <source>Point %1 missed on the %2. Next, the %3, %4.</source>
        <translation>Point %1 bei %2 verfehlt. Als Nächstes %3, %4.</translation>
    </message>
    <message>
        <source>It wins %1; the stake of %2 stays on %3.</source>
        <translation>Gewinn: %1; der Einsatz von %2 bleibt auf der %3.</translation>
    </message>
    <message>
        <source>The one-roll bet of %1 on %2 is lost.</source>
        <translation>Die Ein-Wurf-Wette über %1 auf die %2 ist verloren.</translation>
    </message>
    <message>
        <source>The one-roll bets of %1 came back to the bankroll.</source>
        <translation>Die Ein-Wurf-Wetten über %1 gehen zurück ins Kapital.</translation>
    </message>
    <message>
        <source>One-roll bet of %1 on %2.</source>
        <translation>Ein-Wurf-Wette über %1 auf die %2.</translation>
    </message>
    <message>
        <source>One-roll bets cancelled.</source>
        <translation>Ein-Wurf-Wetten abgebrochen.</translation>
    </message>
    <message>
        <source>The one-roll bet of %1 on %2 is taken down.</source>
        <translation>Die Ein-Wurf-Wette über %1 auf die %2 ist abgeräumt.</translation>
    </message>
    <message>
        <source>Main bet, %1.</source>
        <translation>Haupteinsatz, %1.</translation>
    </message>
    <message>
        <source>Automatic re-bet on.</source>
        <translation>Einsatz automatisch wiederholen: an.</translation>
    </message>
    <message>
        <source>Automatic re-bet off.</source>
        <translation>Einsatz automatisch wiederholen: aus.</translation>
    </message>
    <message>
        <source>New bankroll.</source>
        <translation>Neues Kapital.</translation>
    </message>
    <message>
        <source>Bankroll, %1.</source>
        <translation>Kapital, %1.</translation>
    </message>
    <message>
        <source>Press Alt+B for a new bankroll.</source>
        <extracomment>Alt and the mnemonic of the Bankroll menu, as the menu bar reads in this language.</extracomment>
        <translation>Alt+K drücken für neues Kapital.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>BACK TO GAME</source>
        <translation>ZURÜCK ZUM SPIEL</translation>
    </message>
    <message>
        <source>After wagers are made, results for Roll # 1 are:  One loses, six wins one-to-one and it is still Roll # 1.  Otherwise Roll # 1 will determine the point and bets are locked in.  Results for Roll # 2 are:  One loses, the point wins two-to-one.  If Roll # 2 results in any number besides one or the point, then the die must be rolled again (Roll # 3). Results for Roll # 3 are: One loses, the point wins one-to-one.  If Roll # 3 results in any number besides one or the point, then the die must be rolled again (Roll # 4).  This is the last roll in which the player may win, the point wins two-to-one and any other number loses.  One-roll bets can be made before any roll.</source>
        <translation>Nach dem Setzen gilt für Wurf Nr.&#xa0;1:  Eine Eins verliert, eine Sechs gewinnt 1 zu 1, und es bleibt bei Wurf Nr.&#xa0;1.  Jede andere Zahl wird zum Point, und die Einsätze stehen fest.  Für Wurf Nr.&#xa0;2 gilt:  Eine Eins verliert, der Point gewinnt 2 zu 1.  Fällt bei Wurf Nr.&#xa0;2 eine andere Zahl als die Eins oder der Point, wird erneut gewürfelt (Wurf Nr.&#xa0;3).  Für Wurf Nr.&#xa0;3 gilt:  Eine Eins verliert, der Point gewinnt 1 zu 1.  Fällt bei Wurf Nr.&#xa0;3 eine andere Zahl als die Eins oder der Point, wird erneut gewürfelt (Wurf Nr.&#xa0;4).  Das ist der letzte Wurf, mit dem der Spieler gewinnen kann: Der Point gewinnt 2 zu 1, jede andere Zahl verliert.  Ein-Wurf-Wetten sind vor jedem Wurf möglich.</translation>
    </message>
    <message>
        <source>PIPFALL is a game of chance played with one die.  It is similar to the pass line bet of craps.  There is a come-out roll but once the point is established, the player has only three chances for the point to roll again.</source>
        <translation>PIPFALL ist ein Glücksspiel mit einem Würfel, ähnlich der Pass-Line-Wette beim Craps.  Es gibt einen Come-out-Wurf, doch sobald der Point feststeht, hat der Spieler nur drei Würfe, um ihn noch einmal zu werfen.</translation>
    </message>
    <message>
        <source>Under normal circumstances the player&apos;s bet will be re-bet when he wins or loses.  However, if the bankroll is low, the automatic re-bet feature is cancelled.  You may obtain a new bankroll by clicking the desired amount.</source>
        <translation>Normalerweise wird der Einsatz nach Gewinn oder Verlust automatisch wiederholt.  Ist das Kapital jedoch zu gering, wird er nicht mehr wiederholt.  Neues Kapital erhalten Sie mit einem Klick auf den gewünschten Betrag.</translation>
    </message>
    <message>
        <source>Click the &quot;Make One-Roll Bet&quot; button and the list of numbers will appear. Once you have entered the amount of each one-roll bet, you must click the &quot;Enter Bets&quot; button to register them.  When registered, the amount of each bet will be displayed under the appropriate number.</source>
        <extracomment>Quotes the captions of two buttons of the table: write their translations.</extracomment>
        <translation>Klicken Sie auf „Ein-Wurf-Wetten“, dann erscheint die Liste der Zahlen.  Haben Sie den Betrag jeder Ein-Wurf-Wette eingegeben, klicken Sie auf „Wetten setzen“, um die Wetten zu platzieren.  Danach steht der Betrag jeder Wette unter der zugehörigen Zahl.</translation>
    </message>
    <message>
        <source>This computer game is easy to play.  Use the up-down buttons to make your bets.  The minimum PIPFALL bet is five dollars; the maximum is five hundred dollars.  The minimum one-roll bet is one dollar; the maximum is one hundred dollars. </source>
        <translation>Dieses Computerspiel ist leicht zu spielen.  Mit den Auf-/Ab-Pfeilen setzen Sie Ihre Einsätze.  Der Mindesteinsatz bei PIPFALL beträgt fünf Dollar, der Höchsteinsatz fünfhundert Dollar.  Eine Ein-Wurf-Wette beträgt mindestens einen Dollar und höchstens hundert Dollar. </translation>
    </message>
    <message>
        <source>PIPFALL RULES</source>
        <translation>PIPFALL-SPIELREGELN</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>PIPFALL-On the computer</source>
        <translation>PIPFALL-Spielen am Computer</translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation>&amp;Schließen </translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The die picture &quot;%1&quot; cannot be read from the folder &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the picture&apos;s file name, %2 the folder, %3 why it cannot be read.</extracomment>
        <translation>Das Würfelbild „%1“ lässt sich im Ordner „%2“ nicht lesen: %3.</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>the picture claims an impossible size of %1 by %2 pixels</source>
        <translation>das Bild gibt eine unmögliche Größe von %1 × %2 Pixeln an</translation>
    </message>
    <message>
        <source>the file is cut short: it holds %1 of the %2 bytes of its picture</source>
        <translation>die Datei ist unvollständig: sie enthält nur %1 der %2 Bytes ihres Bildes</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture (%1)</source>
        <translation>es ist kein lesbares BMP-Bild (%1)</translation>
    </message>
    <message>
        <source>NO POINT</source>
        <extracomment>The point label while no point is on; one line of 121 pixels at 18 points.</extracomment>
        <translation>Kein Point</translation>
    </message>
    <message>
        <source>Point = </source>
        <extracomment>Followed by the point, 2 to 5 (&quot;Point = 3&quot;).</extracomment>
        <translation>Point = </translation>
    </message>
    <message>
        <source>  2    to 1</source>
        <extracomment>The odds of the next chance on the point&apos;s number, at 10 points bold. Each run of four blanks starts a line; the box shows 21 pixels of each between its outline.</extracomment>
        <translation>  2    zu    1</translation>
    </message>
    <message>
        <source>  1    to 1</source>
        <translation>  1    zu    1</translation>
    </message>
    <message>
        <source>You must make a bet.</source>
        <translation>Bitte machen Sie zuerst einen Einsatz.</translation>
    </message>
    <message>
        <source>One on the come out is a loser.  The amount of your new bet was deducted from your bankroll.</source>
        <translation>Eine Eins beim Come-out-Wurf verliert.  Ihr neuer Einsatz wurde von Ihrem Kapital abgezogen.</translation>
    </message>
    <message>
        <source>Six on the come out is a winner.  The amount of your bet is added to your bankroll.</source>
        <translation>Eine Sechs beim Come-out-Wurf gewinnt.  Ihr Einsatz wird Ihrem Kapital gutgeschrieben.</translation>
    </message>
    <message>
        <source>The point has been rolled on the first opportunity, paying two-to-one.</source>
        <translation>Der Point ist im ersten Versuch gefallen, Auszahlung 2 zu 1.</translation>
    </message>
    <message>
        <source>The point has been rolled on the second opportunity, paying one-to-one.</source>
        <translation>Der Point ist im zweiten Versuch gefallen, Auszahlung 1 zu 1.</translation>
    </message>
    <message>
        <source>The point has been rolled on the third opportunity, paying two-to-one.</source>
        <translation>Der Point ist im dritten Versuch gefallen, Auszahlung 2 zu 1.</translation>
    </message>
    <message>
        <source>Rolling a one loses. Your original bet is  re-bet and deducted from your bankroll.</source>
        <translation>Eine Eins verliert. Ihr bisheriger Einsatz wird wiederholt und von Ihrem Kapital abgezogen.</translation>
    </message>
    <message>
        <source>The point was not rolled in three tries, losing your bet.  The new bet was deducted from your bankroll.</source>
        <translation>Der Point fiel nicht in drei Würfen.  Einsatz verloren, der neue wurde vom Kapital abgezogen.</translation>
    </message>
    <message>
        <source>Your bankroll is depleted.  Get a new bankroll by clicking above.</source>
        <extracomment>&quot;Above&quot; is the Bankroll menu, where a new bankroll is taken.</extracomment>
        <translation>Ihr Kapital ist aufgebraucht.  Neues Kapital gibt es oben im Menü „Kapital“.</translation>
    </message>
    <message>
        <source>You have broken the bank!!!</source>
        <translation>Sie haben die Bank gesprengt!!!</translation>
    </message>
    <message>
        <source>Your bet cannot be over your bankroll.</source>
        <extracomment>A message box.</extracomment>
        <translation>Ihr Einsatz darf Ihr Kapital nicht übersteigen.</translation>
    </message>
    <message>
        <source>Automatic re-bet is disabled.</source>
        <translation>Der Einsatz wird nicht mehr automatisch wiederholt.</translation>
    </message>
    <message>
        <source>Your bankroll reflects the automatic re-bet feature.</source>
        <translation>Ihr Kapital berücksichtigt den wiederholten Einsatz.</translation>
    </message>
    <message>
        <source>Your previous bet was too high for auto re-bet.</source>
        <translation>Ihr letzter Einsatz war zu hoch, um ihn automatisch zu wiederholen.</translation>
    </message>
    <message>
        <source>Automatic re-bet cancelled. Bankroll is low.</source>
        <translation>Einsatz nicht wiederholt: Kapital zu gering.</translation>
    </message>
    <message>
        <source>Enter amounts for one-roll bets</source>
        <translation>Beträge für die Ein-Wurf-Wetten eingeben</translation>
    </message>
    <message>
        <source>Lower your bet. Bankroll insufficient.</source>
        <extracomment>A message box.</extracomment>
        <translation>Setzen Sie weniger. Ihr Kapital reicht nicht aus.</translation>
    </message>
    <message>
        <source>You failed to enter any one-roll bets!</source>
        <translation>Sie haben keine Ein-Wurf-Wette eingegeben!</translation>
    </message>
    <message>
        <source>All of your one-roll bets lost.</source>
        <translation>Alle Ihre Ein-Wurf-Wetten haben verloren.</translation>
    </message>
    <message>
        <source> The die was not rolled and no bet was settled.</source>
        <extracomment>Ends a message box that says which die picture could not be read.</extracomment>
        <translation> Es wurde nicht gewürfelt und keine Wette abgerechnet.</translation>
    </message>
    <message>
        <source> Pipfall cannot start without it.</source>
        <extracomment>Ends a message box that says which die picture could not be read; &quot;it&quot; is the picture.</extracomment>
        <translation> Ohne dieses Bild kann Pipfall nicht starten.</translation>
    </message>
    <message>
        <source>ONE</source>
        <extracomment>The bet holder of the number 1; one line of 39 pixels. Never digits alone: a caption that reads as a number is a stake.</extracomment>
        <translation>Nr.&#xa0;1</translation>
    </message>
    <message>
        <source>TWO</source>
        <extracomment>The bet holder of the number 2; one line of 31 pixels.</extracomment>
        <translation>Nr.&#xa0;2</translation>
    </message>
    <message>
        <source>THREE</source>
        <extracomment>The bet holder of the number 3; one line of 47 pixels.</extracomment>
        <translation>Nr.&#xa0;3</translation>
    </message>
    <message>
        <source>FOUR</source>
        <extracomment>The bet holder of the number 4; one line of 39 pixels.</extracomment>
        <translation>Nr.&#xa0;4</translation>
    </message>
    <message>
        <source>FIVE</source>
        <extracomment>The bet holder of the number 5; one line of 31 pixels.</extracomment>
        <translation>Nr.&#xa0;5</translation>
    </message>
    <message>
        <source>SIX</source>
        <extracomment>The bet holder of the number 6; one line of 31 pixels.</extracomment>
        <translation>Nr.&#xa0;6</translation>
    </message>
    <message>
        <source>                                                                       Pipfall        Version  1.1</source>
        <extracomment>The about panel. Each run of three or more blanks starts a new line: keep the runs, and the product name, as they are.</extracomment>
        <translation>                                                                       Pipfall        Version  1.1</translation>
    </message>
    <message>
        <source>Cancel One Roll Bets</source>
        <translation>Wetten abbrechen</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>Enter Bets</source>
        <translation>Wetten setzen</translation>
    </message>
    <message>
        <source>Make One-Roll Bet</source>
        <translation>Ein-Wurf-Wetten</translation>
    </message>
    <message>
        <source>Roll Die</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Please select the amount you wish to bet on each number by using the up-down buttons.</source>
        <translation>Wählen Sie mit den Auf- und Ab-Pfeilen den Betrag, den Sie auf jede Zahl setzen möchten.</translation>
    </message>
    <message>
        <source>Six on the come out is a winner. The amount of your bet is added to your Bankroll.</source>
        <translation>Eine Sechs beim Come-out-Wurf gewinnt. Ihr Einsatz wird Ihrem Kapital gutgeschrieben.</translation>
    </message>
    <message>
        <source>Your indicated bet exceeds your bankroll.  Please lower your bet.</source>
        <translation>Ihr Einsatz übersteigt Ihr Kapital.  Bitte setzen Sie weniger.</translation>
    </message>
    <message>
        <source>GAME OVER!!!  Bankroll is under five dollars.</source>
        <extracomment>The game-over notice; at most two lines of 275 pixels at 17 points, bold, inside the focus frame.</extracomment>
        <translation>SPIEL VORBEI!!!  Kapital unter fünf Dollar.</translation>
    </message>
    <message>
        <source>BANKROLL</source>
        <translation>KAPITAL</translation>
    </message>
    <message>
        <source>COME OUT</source>
        <translation>COME-OUT</translation>
    </message>
    <message>
        <source>All One-Roll Bets Pay 4-to-1</source>
        <translation>Ein-Wurf-Wetten: 4 zu 1</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>The menu bar and its menus. In each menu, and on the menu bar itself, no two entries share a mnemonic (the letter after &quot;&amp;&quot;).</extracomment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Auto re-bet</source>
        <translation>Einsatz automatisch &amp;wiederholen</translation>
    </message>
    <message>
        <source>Bet &amp;max</source>
        <translation>&amp;Höchsteinsatz setzen</translation>
    </message>
    <message>
        <source>Bet mi&amp;n</source>
        <translation>&amp;Mindesteinsatz setzen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Bankroll</source>
        <translation>&amp;Kapital</translation>
    </message>
    <message>
        <source>1,00&amp;0</source>
        <extracomment>A new bankroll of 1000 dollars. Where a comma or a point would read as a decimal sign, write the amount as the table does, without a separator. The mnemonics of a menu differ: 20, 100, 1000 and 5000 are chosen by 2, 1, 0 and 5.</extracomment>
        <translation>100&amp;0</translation>
    </message>
    <message>
        <source>&amp;5,000</source>
        <translation>&amp;5000</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Spielregeln</translation>
    </message>
    <message>
        <source>&amp;Computer Game</source>
        <translation>Spielen am &amp;Computer</translation>
    </message>
    <message>
        <source>About &amp;Pipfall</source>
        <translation>Über &amp;Pipfall</translation>
    </message>
    <message>
        <source>Your one-roll bet on the %1 wins!  Take the bet down by clicking it.</source>
        <extracomment>%1 is the winning number, 1 to 6, in digits.</extracomment>
        <translation>Ihre Wette auf die %1 gewinnt!  Zum Abräumen anklicken.</translation>
    </message>
    <message>
        <source>it is not there, and the copy in the folder &quot;%1&quot; fails: %2</source>
        <extracomment>%1 is the folder of the installed pictures, %2 why its copy cannot be read.</extracomment>
        <translation>es fehlt dort, und die Kopie im Ordner „%1“ ist unbrauchbar: %2</translation>
    </message>
    <message>
        <source>the file is missing, there and in the folder &quot;%1&quot;</source>
        <extracomment>%1 is the folder of the installed pictures.</extracomment>
        <translation>die Datei fehlt, dort und im Ordner „%1“</translation>
    </message>
</context>
</TS>
