<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ActionWords</name>
    <message>
        <source>Roll the die</source>
        <translation>Lancer le dé</translation>
    </message>
    <message>
        <source>Open the panel for one-roll bets; bets standing on the table come back to the bankroll</source>
        <translation>Ouvre la saisie des paris à un coup&#xa0;; les paris posés sur la table reviennent au capital</translation>
    </message>
    <message>
        <source>Register the one-roll amounts entered</source>
        <translation>Enregistre les montants à un coup saisis</translation>
    </message>
    <message>
        <source>Close the one-roll panel without registering its amounts</source>
        <translation>Ferme la saisie des paris à un coup sans enregistrer les montants</translation>
    </message>
    <message>
        <source>Close the about panel</source>
        <translation>Ferme le panneau À propos</translation>
    </message>
    <message>
        <source>Return to the table</source>
        <translation>Retour à la table</translation>
    </message>
    <message>
        <source>The main bet, up to 500 dollars in steps of 5; the Up and Down keys change it</source>
        <translation>La mise principale, jusqu’à 500 dollars par pas de 5&#xa0;; les flèches haut et bas la changent</translation>
    </message>
    <message>
        <source>A one-roll bet, up to 100 dollars; the Up and Down keys change it</source>
        <translation>Un pari à un coup, jusqu’à 100 dollars&#xa0;; les flèches haut et bas le changent</translation>
    </message>
    <message>
        <source>Amount of the main bet</source>
        <translation>Montant de la mise principale</translation>
    </message>
    <message>
        <source>Amount entered for a one-roll bet</source>
        <translation>Montant saisi pour un pari à un coup</translation>
    </message>
    <message>
        <source>Money left to bet with</source>
        <translation>Argent qu’il reste à miser</translation>
    </message>
    <message>
        <source>The point to roll again: the first chance pays two to one, the second one to one, the third two to one</source>
        <translation>Le point à refaire&#xa0;: le premier essai paie 2 contre 1, le deuxième 1 contre 1, le troisième 2 contre 1</translation>
    </message>
    <message>
        <source>A number that can become the point</source>
        <translation>Un numéro qui peut devenir le point</translation>
    </message>
    <message>
        <source>Come-out marker, lit while the next roll is a come-out roll</source>
        <translation>Marqueur de sortie, allumé tant que le prochain lancer est un lancer de sortie</translation>
    </message>
    <message>
        <source>One-roll bet spot; a bet pays four to one when its number comes up</source>
        <translation>Case de pari à un coup&#xa0;; un pari paie 4 contre 1 quand son numéro sort</translation>
    </message>
    <message>
        <source>Outcome of the main bet</source>
        <translation>Résultat de la mise principale</translation>
    </message>
    <message>
        <source>Information and instructions</source>
        <translation>Informations et instructions</translation>
    </message>
    <message>
        <source>End of the game</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Outcome of the one-roll bets</source>
        <translation>Résultat des paris à un coup</translation>
    </message>
    <message>
        <source>Notice about the automatic re-bet</source>
        <translation>Avis sur la reconduction automatique</translation>
    </message>
    <message>
        <source>Instructions for one-roll bets</source>
        <translation>Instructions pour les paris à un coup</translation>
    </message>
    <message>
        <source>About Pipfall</source>
        <translation>À propos de Pipfall</translation>
    </message>
    <message>
        <source>Payout of one-roll bets</source>
        <translation>Gain des paris à un coup</translation>
    </message>
    <message>
        <source>Face of the last roll</source>
        <translation>Face du dernier lancer</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>How to play the game on the computer</source>
        <translation>Comment jouer sur ordinateur</translation>
    </message>
    <message>
        <source>No point</source>
        <translation>Pas de point</translation>
    </message>
    <message>
        <source>Point %1, %2</source>
        <translation>Point %1, %2</translation>
    </message>
    <message>
        <source>One-roll bet on %1: %2</source>
        <translation>Pari à un coup sur le %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>One-roll bet on %1: %2, a winner; press to take it down</source>
        <translation>Pari à un coup sur le %1&#xa0;: %2, gagnant&#xa0;; appuyez pour le retirer</translation>
    </message>
    <message>
        <source>One-roll spot %1: just rolled, no bet</source>
        <translation>Case à un coup, %1&#xa0;: vient de sortir, aucun pari</translation>
    </message>
    <message>
        <source>One-roll spot %1: no bet</source>
        <translation>Case à un coup, %1&#xa0;: aucun pari</translation>
    </message>
    <message>
        <source>Press Return to choose a new bankroll.</source>
        <translation>Appuyez sur Entrée pour choisir un nouveau capital.</translation>
    </message>
    <message>
        <source>Bankroll, %1</source>
        <translation>Capital, %1</translation>
    </message>
    <message>
        <source>Point number %1, %2</source>
        <translation>Numéro de point %1, %2</translation>
    </message>
    <message>
        <source>Point number %1</source>
        <translation>Numéro de point %1</translation>
    </message>
    <message>
        <source>Main bet</source>
        <translation>Mise principale</translation>
    </message>
    <message>
        <source>One-roll amount on %1</source>
        <translation>Montant à un coup sur le %1</translation>
    </message>
    <message>
        <source>Pipfall logo</source>
        <translation>Logo de Pipfall</translation>
    </message>
    <message>
        <source>Die, not rolled yet</source>
        <translation>Dé, pas encore lancé</translation>
    </message>
    <message>
        <source>Die, %1</source>
        <translation>Dé, %1</translation>
    </message>
    <message>
        <source>1 dollar</source>
        <translation>1 dollar</translation>
    </message>
    <message>
        <source>%1 dollars</source>
        <translation>%1 dollars</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>first chance</source>
        <translation>premier essai</translation>
    </message>
    <message>
        <source>second chance</source>
        <translation>deuxième essai</translation>
    </message>
    <message>
        <source>third chance</source>
        <translation>troisième essai</translation>
    </message>
    <message>
        <source>pays one to one</source>
        <translation>paie 1 contre 1</translation>
    </message>
    <message>
        <source>pays two to one</source>
        <translation>paie 2 contre 1</translation>
    </message>
    <message>
        <source>Rolled a %1.</source>
        <translation>Le dé tombe sur %1.</translation>
    </message>
    <message>
        <source>The bet of %1 is lost.</source>
        <translation>La mise de %1 est perdue.</translation>
    </message>
    <message>
        <source>It wins %1.</source>
        <translation>Gain&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The point is %1: %2, %3.</source>
        <translation>Le point est %1&#xa0;: %2, %3.</translation>
    </message>
    <message>
        <source>Point %1 missed on the %2. Next, the %3, %4.</source>
        <translation>Point %1 manqué au %2. Ensuite, le %3, %4.</translation>
    </message>
    <message>
        <source>It wins %1; the stake of %2 stays on %3.</source>
        <translation>Gain&#xa0;: %1&#xa0;; la mise de %2 reste sur le %3.</translation>
    </message>
    <message>
        <source>The one-roll bet of %1 on %2 is lost.</source>
        <translation>Le pari à un coup de %1 sur le %2 est perdu.</translation>
    </message>
    <message>
        <source>The one-roll bets of %1 came back to the bankroll.</source>
        <translation>Les paris à un coup de %1 reviennent au capital.</translation>
    </message>
    <message>
        <source>One-roll bet of %1 on %2.</source>
        <translation>Pari à un coup de %1 sur le %2.</translation>
    </message>
    <message>
        <source>One-roll bets cancelled.</source>
        <translation>Paris à un coup annulés.</translation>
    </message>
    <message>
        <source>The one-roll bet of %1 on %2 is taken down.</source>
        <translation>Le pari à un coup de %1 sur le %2 est retiré.</translation>
    </message>
    <message>
        <source>Main bet, %1.</source>
        <translation>Mise principale, %1.</translation>
    </message>
    <message>
        <source>Automatic re-bet on.</source>
        <translation>Reconduction automatique activée.</translation>
    </message>
    <message>
        <source>Automatic re-bet off.</source>
        <translation>Reconduction automatique désactivée.</translation>
    </message>
    <message>
        <source>New bankroll.</source>
        <translation>Nouveau capital.</translation>
    </message>
    <message>
        <source>Bankroll, %1.</source>
        <translation>Capital, %1.</translation>
    </message>
    <message>
        <source>Press Alt+B for a new bankroll.</source>
        <extracomment>Alt and the mnemonic of the Bankroll menu, as the menu bar reads in this language.</extracomment>
        <translation>Appuyez sur Alt+C pour un nouveau capital.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>BACK TO GAME</source>
        <translation>RETOUR AU JEU</translation>
    </message>
    <message>
        <source>After wagers are made, results for Roll # 1 are:  One loses, six wins one-to-one and it is still Roll # 1.  Otherwise Roll # 1 will determine the point and bets are locked in.  Results for Roll # 2 are:  One loses, the point wins two-to-one.  If Roll # 2 results in any number besides one or the point, then the die must be rolled again (Roll # 3). Results for Roll # 3 are: One loses, the point wins one-to-one.  If Roll # 3 results in any number besides one or the point, then the die must be rolled again (Roll # 4).  This is the last roll in which the player may win, the point wins two-to-one and any other number loses.  One-roll bets can be made before any roll.</source>
        <translation>Une fois les mises placées, voici ce que donne le lancer n°&#xa0;1&#xa0;:  l’as perd, le six gagne à 1 contre 1 et l’on reste au lancer n°&#xa0;1.  Sinon, le lancer n°&#xa0;1 établit le point et les mises sont bloquées.  Lancer n°&#xa0;2&#xa0;:  l’as perd, le point gagne à 2 contre 1.  Si le lancer n°&#xa0;2 donne un autre numéro que l’as ou le point, il faut relancer le dé (lancer n°&#xa0;3).  Lancer n°&#xa0;3&#xa0;:  l’as perd, le point gagne à 1 contre 1.  Si le lancer n°&#xa0;3 donne un autre numéro que l’as ou le point, il faut relancer le dé (lancer n°&#xa0;4).  C’est le dernier lancer où le joueur peut gagner&#xa0;: le point gagne à 2 contre 1 et tout autre numéro perd.  Les paris à un coup sont possibles avant chaque lancer.</translation>
    </message>
    <message>
        <source>PIPFALL is a game of chance played with one die.  It is similar to the pass line bet of craps.  There is a come-out roll but once the point is established, the player has only three chances for the point to roll again.</source>
        <translation>PIPFALL est un jeu de hasard qui se joue avec un seul dé.  Il ressemble au pari sur la ligne de passe du craps.  Il y a un lancer de sortie, mais une fois le point établi, le joueur n’a que trois chances pour refaire le point.</translation>
    </message>
    <message>
        <source>Under normal circumstances the player&apos;s bet will be re-bet when he wins or loses.  However, if the bankroll is low, the automatic re-bet feature is cancelled.  You may obtain a new bankroll by clicking the desired amount.</source>
        <translation>En temps normal, la mise du joueur est reconduite, qu’il gagne ou qu’il perde.  Mais si le capital est bas, la reconduction automatique est annulée.  Vous pouvez obtenir un nouveau capital en cliquant sur le montant voulu.</translation>
    </message>
    <message>
        <source>Click the &quot;Make One-Roll Bet&quot; button and the list of numbers will appear. Once you have entered the amount of each one-roll bet, you must click the &quot;Enter Bets&quot; button to register them.  When registered, the amount of each bet will be displayed under the appropriate number.</source>
        <extracomment>Quotes the captions of two buttons of the table: write their translations.</extracomment>
        <translation>Cliquez sur le bouton «&#xa0;Pari à un coup&#xa0;» et la liste des numéros apparaît.  Une fois le montant de chaque pari saisi, cliquez sur «&#xa0;Valider&#xa0;» pour les enregistrer.  Le montant de chaque pari s’affiche alors sous le numéro correspondant.</translation>
    </message>
    <message>
        <source>This computer game is easy to play.  Use the up-down buttons to make your bets.  The minimum PIPFALL bet is five dollars; the maximum is five hundred dollars.  The minimum one-roll bet is one dollar; the maximum is one hundred dollars. </source>
        <translation>Ce jeu sur ordinateur est facile à prendre en main.  Les flèches haut et bas servent à miser.  La mise minimale à PIPFALL est de cinq dollars, la mise maximale de cinq cents dollars.  Un pari à un coup va d’un dollar à cent dollars. </translation>
    </message>
    <message>
        <source>PIPFALL RULES</source>
        <translation>RÈGLES DE PIPFALL</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>PIPFALL-On the computer</source>
        <translation>PIPFALL-Jouer sur ordinateur</translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation>&amp;Fermer </translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The die picture &quot;%1&quot; cannot be read from the folder &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the picture&apos;s file name, %2 the folder, %3 why it cannot be read.</extracomment>
        <translation>L’image de dé «&#xa0;%1&#xa0;» est illisible dans le dossier «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>le fichier est absent</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>the picture claims an impossible size of %1 by %2 pixels</source>
        <translation>l’image annonce une taille impossible de %1 sur %2 pixels</translation>
    </message>
    <message>
        <source>the file is cut short: it holds %1 of the %2 bytes of its picture</source>
        <translation>le fichier est tronqué&#xa0;: il ne contient que %1 des %2 octets de son image</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture (%1)</source>
        <translation>ce n’est pas une image BMP lisible (%1)</translation>
    </message>
    <message>
        <source>NO POINT</source>
        <extracomment>The point label while no point is on; one line of 121 pixels at 18 points.</extracomment>
        <translation>Sans point</translation>
    </message>
    <message>
        <source>Point = </source>
        <extracomment>Followed by the point, 2 to 5 (&quot;Point = 3&quot;).</extracomment>
        <translation>Point = </translation>
    </message>
    <message>
        <source>  2    to 1</source>
        <extracomment>The odds of the next chance on the point&apos;s number, at 10 points bold. Each run of four blanks starts a line; the box shows 21 pixels of each between its outline.</extracomment>
        <translation>  2    à 1</translation>
    </message>
    <message>
        <source>  1    to 1</source>
        <translation>  1    à 1</translation>
    </message>
    <message>
        <source>You must make a bet.</source>
        <translation>Vous devez d’abord miser.</translation>
    </message>
    <message>
        <source>One on the come out is a loser.  The amount of your new bet was deducted from your bankroll.</source>
        <translation>Un as au lancer de sortie perd.  Le montant de votre nouvelle mise a été déduit de votre capital.</translation>
    </message>
    <message>
        <source>Six on the come out is a winner.  The amount of your bet is added to your bankroll.</source>
        <translation>Un six au lancer de sortie gagne.  Le montant de votre mise est ajouté à votre capital.</translation>
    </message>
    <message>
        <source>The point has been rolled on the first opportunity, paying two-to-one.</source>
        <translation>Le point est sorti au premier essai et paie 2 contre 1.</translation>
    </message>
    <message>
        <source>The point has been rolled on the second opportunity, paying one-to-one.</source>
        <translation>Le point est sorti au deuxième essai et paie 1 contre 1.</translation>
    </message>
    <message>
        <source>The point has been rolled on the third opportunity, paying two-to-one.</source>
        <translation>Le point est sorti au troisième essai et paie 2 contre 1.</translation>
    </message>
    <message>
        <source>Rolling a one loses. Your original bet is  re-bet and deducted from your bankroll.</source>
        <translation>Un as perd. Votre mise initiale est remise en jeu et déduite de votre capital.</translation>
    </message>
    <message>
        <source>The point was not rolled in three tries, losing your bet.  The new bet was deducted from your bankroll.</source>
        <translation>Le point n’est pas sorti en trois essais&#xa0;: mise perdue.  La nouvelle mise a été déduite de votre capital.</translation>
    </message>
    <message>
        <source>Your bankroll is depleted.  Get a new bankroll by clicking above.</source>
        <extracomment>&quot;Above&quot; is the Bankroll menu, where a new bankroll is taken.</extracomment>
        <translation>Votre capital est épuisé.  Prenez-en un nouveau dans le menu «&#xa0;Capital&#xa0;» ci-dessus.</translation>
    </message>
    <message>
        <source>You have broken the bank!!!</source>
        <translation>Vous avez fait sauter la banque&#xa0;!!!</translation>
    </message>
    <message>
        <source>Your bet cannot be over your bankroll.</source>
        <extracomment>A message box.</extracomment>
        <translation>Votre mise ne peut pas dépasser votre capital.</translation>
    </message>
    <message>
        <source>Automatic re-bet is disabled.</source>
        <translation>La reconduction automatique est désactivée.</translation>
    </message>
    <message>
        <source>Your bankroll reflects the automatic re-bet feature.</source>
        <translation>Votre capital tient compte de la mise reconduite.</translation>
    </message>
    <message>
        <source>Your previous bet was too high for auto re-bet.</source>
        <translation>Votre mise précédente est trop élevée pour être reconduite.</translation>
    </message>
    <message>
        <source>Automatic re-bet cancelled. Bankroll is low.</source>
        <translation>Reconduction annulée&#xa0;: capital trop bas.</translation>
    </message>
    <message>
        <source>Enter amounts for one-roll bets</source>
        <translation>Entrez les montants des paris à un coup</translation>
    </message>
    <message>
        <source>Lower your bet. Bankroll insufficient.</source>
        <extracomment>A message box.</extracomment>
        <translation>Baissez votre mise. Capital insuffisant.</translation>
    </message>
    <message>
        <source>You failed to enter any one-roll bets!</source>
        <translation>Vous n’avez saisi aucun pari à un coup&#xa0;!</translation>
    </message>
    <message>
        <source>All of your one-roll bets lost.</source>
        <translation>Tous vos paris à un coup ont perdu.</translation>
    </message>
    <message>
        <source> The die was not rolled and no bet was settled.</source>
        <extracomment>Ends a message box that says which die picture could not be read.</extracomment>
        <translation> Le dé n’a pas été lancé et aucune mise n’a été réglée.</translation>
    </message>
    <message>
        <source> Pipfall cannot start without it.</source>
        <extracomment>Ends a message box that says which die picture could not be read; &quot;it&quot; is the picture.</extracomment>
        <translation> Pipfall ne peut pas démarrer sans elle.</translation>
    </message>
    <message>
        <source>ONE</source>
        <extracomment>The bet holder of the number 1; one line of 39 pixels. Never digits alone: a caption that reads as a number is a stake.</extracomment>
        <translation>Un</translation>
    </message>
    <message>
        <source>TWO</source>
        <extracomment>The bet holder of the number 2; one line of 31 pixels.</extracomment>
        <translation>Deux</translation>
    </message>
    <message>
        <source>THREE</source>
        <extracomment>The bet holder of the number 3; one line of 47 pixels.</extracomment>
        <translation>Trois</translation>
    </message>
    <message>
        <source>FOUR</source>
        <extracomment>The bet holder of the number 4; one line of 39 pixels.</extracomment>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>FIVE</source>
        <extracomment>The bet holder of the number 5; one line of 31 pixels.</extracomment>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>SIX</source>
        <extracomment>The bet holder of the number 6; one line of 31 pixels.</extracomment>
        <translation>Six</translation>
    </message>
    <message>
        <source>                                                                       Pipfall        Version  1.1</source>
        <extracomment>The about panel. Each run of three or more blanks starts a new line: keep the runs, and the product name, as they are.</extracomment>
        <translation>                                                                       Pipfall        Version  1.1</translation>
    </message>
    <message>
        <source>Cancel One Roll Bets</source>
        <translation>Annuler les paris</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>Enter Bets</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Make One-Roll Bet</source>
        <translation>Pari à un coup</translation>
    </message>
    <message>
        <source>Roll Die</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Please select the amount you wish to bet on each number by using the up-down buttons.</source>
        <translation>Choisissez avec les flèches haut et bas le montant à miser sur chaque numéro.</translation>
    </message>
    <message>
        <source>Six on the come out is a winner. The amount of your bet is added to your Bankroll.</source>
        <translation>Un six au lancer de sortie gagne. Le montant de votre mise est ajouté à votre capital.</translation>
    </message>
    <message>
        <source>Your indicated bet exceeds your bankroll.  Please lower your bet.</source>
        <translation>Votre mise dépasse votre capital.  Veuillez la baisser.</translation>
    </message>
    <message>
        <source>GAME OVER!!!  Bankroll is under five dollars.</source>
        <extracomment>The game-over notice; at most two lines of 275 pixels at 17 points, bold, inside the focus frame.</extracomment>
        <translation>PARTIE FINIE&#xa0;!!!  Capital inférieur à cinq dollars.</translation>
    </message>
    <message>
        <source>BANKROLL</source>
        <translation>CAPITAL</translation>
    </message>
    <message>
        <source>COME OUT</source>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>All One-Roll Bets Pay 4-to-1</source>
        <translation>Paris à un coup&#xa0;: 4 contre 1</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>The menu bar and its menus. In each menu, and on the menu bar itself, no two entries share a mnemonic (the letter after &quot;&amp;&quot;).</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Auto re-bet</source>
        <translation>&amp;Reconduction automatique</translation>
    </message>
    <message>
        <source>Bet &amp;max</source>
        <translation>Mise &amp;maximale</translation>
    </message>
    <message>
        <source>Bet mi&amp;n</source>
        <translation>Mise mi&amp;nimale</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Bankroll</source>
        <translation>&amp;Capital</translation>
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
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;Computer Game</source>
        <translation>Jouer sur &amp;ordinateur</translation>
    </message>
    <message>
        <source>About &amp;Pipfall</source>
        <translation>À &amp;propos de Pipfall</translation>
    </message>
    <message>
        <source>Your one-roll bet on the %1 wins!  Take the bet down by clicking it.</source>
        <extracomment>%1 is the winning number, 1 to 6, in digits.</extracomment>
        <translation>Votre pari sur le %1 gagne&#xa0;!  Cliquez dessus pour le retirer.</translation>
    </message>
    <message>
        <source>it is not there, and the copy in the folder &quot;%1&quot; fails: %2</source>
        <extracomment>%1 is the folder of the installed pictures, %2 why its copy cannot be read.</extracomment>
        <translation>il est absent, et la copie du dossier «&#xa0;%1&#xa0;» échoue&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is missing, there and in the folder &quot;%1&quot;</source>
        <extracomment>%1 is the folder of the installed pictures.</extracomment>
        <translation>le fichier est absent, là et dans le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
</TS>
