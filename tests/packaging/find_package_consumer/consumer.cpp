// A client of the installed library: writes and reads back through the public interface.
#include "tessaform.h"

#include <iostream>

int main()
{
    misc::qzMemoryIOStream stream(64);
    {
        misc::qzBOBasicTypes out(stream, false);
        out << 42;
        out << std::string("tessaform");
    }
    stream.Rewind(0);
    misc::qzBIBasicTypes in(stream, false, false, false);
    int number = 0;
    std::string text;
    in >> number;
    in >> text;
    try
    {
        misc::qzAutoPointer<int> empty;
        *empty = 1;
    }
    catch (const misc::qzException& e)
    {
        if (e.GetErrorMessage() != "Accessing NULL pointer")
        {
            std::cerr << "consumer: unexpected message: " << e.GetErrorMessage() << "\n";
            return 1;
        }
    }
    if (number != 42 || text != "tessaform")
    {
        std::cerr << "consumer: read back " << number << " and \"" << text << "\"\n";
        return 1;
    }
    // The library found at run time is the one the installed headers describe.
    if (std::string(misc::GetTessaformVersion()) != TESSAFORM_VERSION)
    {
        std::cerr << "consumer: library " << misc::GetTessaformVersion() << ", headers "
                  << TESSAFORM_VERSION << "\n";
        return 1;
    }
    std::cout << "consumer ok\n";
    return 0;
}
