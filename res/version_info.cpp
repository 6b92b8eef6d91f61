// Filled in as the resources are built.
