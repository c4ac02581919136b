# A script of random valid play for pipfall-replay: every name exists, every roll has its face
# queued. The same seed gives the same script.
# Usage: awk -v total=COMMANDS -v seed=SEED -f randomscript.awk
BEGIN {
    srand(seed); n = 0
    while (n < total) {
        p = rand(); k = int(rand() * 6) + 1
        if (p < 0.30 && n + 2 <= total) { print "die " int(rand() * 6) + 1; print "click cmdRoll"; n += 2; continue }
        if (p < 0.50) line = "up udBet"
        else if (p < 0.60) line = "down udBet"
        else if (p < 0.67) line = "click cmdOneRoll"
        else if (p < 0.76) line = "up udOneRoll(" k ")"
        else if (p < 0.80) line = "down udOneRoll(" k ")"
        else if (p < 0.85) line = "click cmdEnterOR"
        else if (p < 0.87) line = "click cmdCancelOR"
        else if (p < 0.92) line = "click lblOR(" k ")"
        else if (p < 0.94) line = "click mnuAuto"
        else if (p < 0.95) line = "click mnumax"
        else if (p < 0.96) line = "click mnuMin"
        else if (p < 0.97) { split("mnu20 mnu100 mnu1000 mnu5000", m, " "); line = "click " m[int(rand() * 4) + 1] }
        else if (p < 0.985) line = "click mnuabout"
        else line = "click cmdokabout"
        print line; n += 1
    }
}
