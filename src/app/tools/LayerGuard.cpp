// Never run: built once for each library with every object of that library
// and only the libraries it links, so that the link itself shows whether the
// library reaches past what it declares.
int main() { return 0; }
