// Placeholder until the engine interface arrives.
