// Placeholder until the document model arrives.
