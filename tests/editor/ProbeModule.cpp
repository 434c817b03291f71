// An empty module that the folder tests load from places of their choice.
int ZlProbeModule() { return 1; }
