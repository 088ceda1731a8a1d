# tests of the platform's hid services
