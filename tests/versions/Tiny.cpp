// A program that only carries a version record, for the version-reader tests.
int main() {
    return 0;
}
