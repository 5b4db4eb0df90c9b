// Placeholder so the input library has a source until its first class arrives.
