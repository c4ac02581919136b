# The replay reads the die pictures from the build directory, as the game does.
add_dependencies(tst_oneroll_replay die_pictures)
