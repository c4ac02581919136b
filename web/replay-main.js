// Run by node as a program (node pipfall-replay.js < script), the driver starts at once.
if (typeof require !== "undefined" && require.main === module)
    createQtAppInstance();
