// A language library holds resources only.
