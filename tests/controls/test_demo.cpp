// Placeholder replaced below.
