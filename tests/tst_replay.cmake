# The driver's test runs the real pipfall-replay beside the die pictures: build them first.
add_dependencies(tst_replay pipfall-replay die_pictures)
