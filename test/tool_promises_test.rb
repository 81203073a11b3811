require "minitest/autorun"
require "io/console"
begin
  require "pty"
rescue LoadError # not on Windows
end
require_relative "support/tool_helper"
require_relative "support/records"

# The tool's promises under hostile files, signals and odd names: one test
# each, on real files, links and FIFOs in a temporary folder.
class ToolPromisesTest < Minitest::Test
  include ToolHelper

  def in_tmp(&block)
    Dir.mktmpdir { |dir| Dir.chdir(dir, &block) }
  end
  def copy(from, to)
    FileUtils.mkdir_p(File.dirname(to)) && FileUtils.cp(sample(from), to)
  end
  def material(name, brdfs = 1)
    Records.layered(name, *[Records.diffuse([0.5, 0.5, 0.5])] * brdfs)[1].pack("C*")
  end
  def dot_files(dir)
    Dir.glob("#{dir}/**/.*").reject { |f| %w[. ..].include?(File.basename(f)) }
  end

  def test_outputs_are_planned_and_never_replace_an_input
    in_tmp do
      %w[d1/x-2.rec d2/x-2.rec d3/X-2.rec].each { |f| copy("lights/omni-2.rec", f) }
      File.binwrite("d2/x-2.rec", File.binread(sample("lights/spot-4.rec"))) # same name, another light
      _, err, status = run_tool("light", "auto", "d1/x-2.rec", "d2/x-2.rec", "d3/X-2.rec", "-o", "out")
      assert_equal 1, status
      assert_includes err, "d2/x-2.rec: its output out#{SEPARATOR}x-2.xml is already the output of d1/x-2.rec\n"
      # one file where Windows and macOS ignore case
      assert_includes err, "d3/X-2.rec: its output out#{SEPARATOR}X-2.xml is already the output of d1/x-2.rec " \
                           "(the names differ only in letter case or Unicode normalization)"
      assert_equal run_tool("light", "2", "d1/x-2.rec").first, File.binread("out/x-2.xml")

      copy("scenes/kind2-library.rec", "sc/options.xml")
      _, err, status = run_tool("scene", "sc/options.xml", "-o", "sc")
      assert_equal [1, true], [status, err.include?("sc#{SEPARATOR}options.xml would replace an input")]
      assert_equal File.binread(sample("scenes/kind2-library.rec")), File.binread("sc/options.xml")
    end
  end

  # Paths and identity: no output replaces an input, whatever path leads to
  # it (a link followed by "..", on either side); a link loop fails with the
  # system's reason; any legal name can be written.
  def test_outputs_are_kept_off_inputs_by_file_identity
    skip_on_windows "symbolic links only for administrators"
    in_tmp do
      FileUtils.mkdir_p("elsewhere/x")
      File.symlink("elsewhere/x", "a") # a/.. is elsewhere
      copy("lights/omni-2.rec", "elsewhere/in-2.rec")
      copy("scenes/kind2-library.rec", "elsewhere/options.xml")
      [%w[light 2 elsewhere/in-2.rec -o a/../in-2.rec], %w[light 2 a/../in-2.rec -o elsewhere/in-2.rec],
       %w[scene elsewhere/options.xml -o a/..]].each do |args|
        _, err, status = run_tool(*args)
        assert_equal [1, true], [status, err.include?("would replace an input")], args.join(" ")
      end
      assert_equal File.binread(sample("lights/omni-2.rec")), File.binread("elsewhere/in-2.rec")
      assert_equal File.binread(sample("scenes/kind2-library.rec")), File.binread("elsewhere/options.xml")

      File.symlink("loop.xml", "loop.xml")
      _, err, status = run_tool("light", "2", "elsewhere/in-2.rec", "-o", "loop.xml")
      assert_equal [1, true], [status, File.symlink?("loop.xml")]
      assert_includes err, "cannot write loop.xml: Too many levels of symbolic links"

      long = "n" * 249 + "-2" # 255 bytes with .rec or .xml
      copy("lights/omni-2.rec", "long/#{long}.rec")
      assert_equal 0, run_tool("light", "auto", "long/#{long}.rec", "-o", "out/").last
      assert File.file?("out/#{long}.xml")
    end
  end

  # Streams: "-o -", and a path to the very file an open standard stream
  # writes to, are written through that stream: an appended log stays.
  def test_outputs_to_standard_streams_are_written_through_them
    in_tmp do
      omni = run_tool("light", "2", sample("lights/omni-2.rec")).first
      out, _, status = run_tool("light", "2", sample("lights/omni-2.rec"), "-o", "-")
      assert_equal [omni, 0, false], [out, status, File.exist?("-")]
      skip_on_windows "no /dev/stdout or /dev/stderr"
      File.write("log", "kept\n")
      { "/dev/stdout" => :out, "/dev/stderr" => :err, "log" => :out }.each do |path, stream|
        assert system(TOOL, "light", "2", sample("lights/omni-2.rec"), "-o", path, stream => %w[log a]), path
      end
      assert_equal "kept\n" + omni * 3, File.binread("log")
    end
  end

  # Planning: each input claims every file and folder it writes before any is
  # written; names compare as the strictest file system compares them.
  def test_plan_claims_every_file_and_folder_each_input_writes
    in_tmp do
      copy("scenes/kind2-library.rec", "in/a.rec")
      copy("scenes/kind2-library.rec", "in/a/materials.rec") # would write into a.rec's materials/
      _, err, status = run_tool("scene", "in", "-o", "out")
      assert_equal 1, status
      assert_includes err, "in/a.rec: its output needs the folder out/a/materials to itself, " \
                           "but in/a/materials.rec writes into it".tr("/", SEPARATOR)

      copy("materials/bump-3.rec", "m/a-3.rec")
      copy("materials/bump-3.rec", "m/a-3.xml/b-3.rec")
      _, err, = run_tool("material", "auto", "m", "-o", "mo")
      assert_includes err, "m/a-3.xml/b-3.rec: its output needs the folder mo/a-3.xml, " \
                           "which m/a-3.rec writes as a file".tr("/", SEPARATOR)

      a = Records.layered("\u00e9tude", Records.diffuse([0.5, 0.5, 0.5]))
      b = Records.layered("e\u0301tude", Records.diffuse([0.5, 0.5, 0.5]))
      File.binwrite("etudes.rec", Records.scene(2, a, b).pack("C*"))
      assert_equal 0, run_tool("scene", "etudes.rec", "-o", "so").last
      assert_equal ["e\u0301tude.xml", "\u00e9tude-2.xml"], Dir.children("so/materials").sort

      # The mingw stage compares such names between the Windows and Linux tools.
      skip_on_windows "a file system that ignores letter case here, so these inputs would be one file"
      names = ["Sub/x-2.rec", "sub/x-2.rec", "caf\u00e9-2.rec", "cafe\u0301-2.rec", "Stra\u00dfe-2.rec", "STRASSE-2.rec"]
      names.each { |name| copy("lights/omni-2.rec", "l/#{name}") }
      _, err, status = run_tool("light", "auto", "l", "-o", "lo")
      assert_equal [1, 3], [status, err.scan("differ only in letter case or Unicode normalization").size], err
      assert_equal 3, Dir["lo/**/*.xml"].size
    end
  end

  # Terminal text: file names and record text reach the terminal and report
  # lines escaped; the progress line fits its width after escaping.
  def test_names_and_record_text_are_shown_escaped
    in_tmp do
      File.binwrite("title-1.rec", material("\e]2;owned\a\e[41m"))
      out, = run_tool("explain", "material", "1", "title-1.rec")
      refute_match(/[\e\a]/, out)
      assert_includes out, "\\x1B]2;owned\\x07\\x1B[41m"

      skip_on_windows "no control characters in file names, nor pseudo-terminals"
      evil = "x\e]0;owned\a\n\e[2J\t-2.rec"
      12.times { |i| copy("lights/omni-2.rec", "in/#{i}#{evil}") }
      out, err, = run_tool("light", "auto", "in", "-o", "out", "-v")
      [out, err].each { |text| refute_match(/[\e\a\t]/, text) }
      assert_equal 12, out.lines.size # no name starts a line of its own
      assert_includes out, "x\\x1B]0;owned\\x07\\x0A\\x1B[2J\\x09-2.rec: -> out/"
      screen = terminal_output(40, "light", "auto", "in", "-o", "out2")
      refute_match(/[\e\a\t]/, screen)
      assert screen.split(/\r\n?/).all? { |line| line.size < 40 }, screen
    end
  end

  # explain gives each input the guard the converting commands have.
  def test_explain_fails_one_input_and_goes_on
    in_tmp do
      name = "N" * (14 << 20) # 21 URLs repeat it: past the 256 MB a document may have
      File.binwrite("huge-1.rec", material("PLACEHOLDER", 20).sub([11].pack("V") + "PLACEHOLDER",
                                                                   [name.size].pack("V") + name))
      copy("materials/layered-1.rec", "small-1.rec")
      out, err, status = run_tool("explain", "material", "1", "huge-1.rec", "small-1.rec")
      assert_equal 1, status
      assert_includes err, "huge-1.rec: document would exceed 256 MB"
      assert_includes out, "== small-1.rec\nMaterialLayered"
      skip_on_windows "no ulimit to bound a process's memory"
      _, err, status = Open3.capture3("sh", "-c", "ulimit -v 100000 && exec \"$0\" explain --html material 1 huge-1.rec " \
                                                  "-o page.html", TOOL) # 100 MB of memory
      assert_equal [1, "huge-1.rec: out of memory\n"], [status.exitstatus, err]
    end
  end

  # "--" ends the options of every command; make_samples takes no option
  # for its folder.
  def test_double_dash_ends_options
    in_tmp do
      copy("materials/bump-3.rec", "-q-3.rec")
      out, _, status = run_tool("explain", "material", "3", "--", "-q-3.rec")
      assert_equal [0, true], [status, out.start_with?("MaterialBump")]
      assert_equal 0, run_tool("material", "auto", "-o", "x.xml", "--", "-q-3.rec").last
      assert File.file?("x.xml")
      make_samples = File.join(File.dirname(TOOL), "make_samples")
      next unless File.executable?(make_samples)

      out, _, status = Open3.capture3(make_samples, "--help")
      assert_equal [0, "usage: make_samples [--check] DIR\n", []], [status.exitstatus, out, Dir.children(".") - %w[-q-3.rec x.xml]]
    end
  end

  def test_each_input_fails_on_its_own_and_only_regular_files_are_read
    skip_on_windows "no FIFOs and no /dev/zero"
    in_tmp do
      copy("lights/omni-2.rec", "in/sub/good-2.rec")
      File.mkfifo("in/pipe-2.rec")
      File.mkfifo("fifo-2.rec")
      File.open("huge-2.rec", "w") { |f| f.truncate(300 << 20) } # sparse: nothing is read
      _, err, status = run_tool("light", "auto", "missing-2.rec", "fifo-2.rec", "/dev/zero", "huge-2.rec", "in",
                                "-o", "out")
      assert_equal 1, status
      ["missing-2.rec: no such file or folder", "fifo-2.rec: not a regular file but a FIFO",
       "/dev/zero: not a regular file but a device", "in/pipe-2.rec: not a regular file but a FIFO",
       "huge-2.rec: the file is 300 MB, more than the 256 MB an input may have",
       "1 converted, 5 failed"].each { |line| assert_includes err, line }
      assert_equal ["out/sub/good-2.xml"], Dir["out/**/*.xml"]
      _, err, = Open3.capture3("sh", "-c", "head -c 300000000 /dev/zero | \"$0\" light 2", TOOL) # an endless stream
      assert_includes err, "more than the 256 MB an input may have"
    end
  end

  def test_document_size_limit_fails_one_input
    in_tmp do
      File.binwrite("wide-1.rec", material("N" * 100_000, 20)) # every BRDF's URL repeats the name
      copy("materials/layered-1.rec", "small-1.rec")
      _, err, status = run_tool("material", "auto", "wide-1.rec", "small-1.rec", "-o", "out", "--max-document", "1")
      assert_equal 1, status
      assert_includes err, "wide-1.rec: document would exceed 1 MB"
      assert_equal ["small-1.xml"], Dir.children("out")
    end
  end

  def test_stop_signals_remove_temporary_files_and_staging_folders
    skip_on_windows "no POSIX signals (SIGINT, SIGTERM) to send a process"
    in_tmp do
      300.times { |i| copy("scenes/kind6-current.rec", "in/s#{i}.rec") } # seconds of work
      { "INT" => 130, "TERM" => 143 }.each do |signal, code|
        FileUtils.rm_rf("out")
        pid = spawn(TOOL, "scene", "in", "-o", "out", "-q", out: File::NULL)
        sleep 0.01 until Dir.exist?("out") && Dir.children("out").size > 2
        Process.kill(signal, pid)
        assert_equal code, Process.wait2(pid).last.exitstatus, signal
        assert_empty dot_files("out"), signal
      end
    end
  end

  def test_output_option_means_what_users_expect
    in_tmp do
      omni = run_tool("light", "2", sample("lights/omni-2.rec")).first
      assert_equal 0, run_tool("light", "2", sample("lights/omni-2.rec"), "-o", "new/").last
      assert_equal omni, File.binread("new/omni-2.xml")

      skip_on_windows "no FIFOs, and symbolic links only for administrators"
      File.write("target.xml", "old")
      File.symlink("target.xml", "link.xml")
      run_tool("light", "2", sample("lights/omni-2.rec"), "-o", "link.xml")
      assert_equal [true, omni], [File.symlink?("link.xml"), File.binread("target.xml")]

      File.mkfifo("pipe.xml")
      reader = Thread.new { File.binread("pipe.xml") }
      run_tool("light", "2", sample("lights/omni-2.rec"), "-o", "pipe.xml")
      assert_equal [omni, "fifo"], [reader.value, File.ftype("pipe.xml")]

      _, err, status = run_tool("light", "auto", sample("lights/omni-2.rec"), sample("lights/spot-4.rec"),
                                "-o", "target.xml/out")
      assert_equal [1, "noxbin2xml: cannot create the output folder target.xml/out: Not a directory\n"], [status, err]
    end
  end

  def test_malformed_documents_are_noted_refused_or_repaired
    in_tmp do
      File.binwrite("quote-1.rec", material('a"b'))
      exact, err, status = run_tool("material", "1", "quote-1.rec")
      assert_equal 0, status
      assert_includes exact, 'url="/a"b/BRDFDiffuse"'
      assert_includes err, "warning: the document is not well-formed XML: line 2: a quotation mark in: /a\"b/"

      _, err, status = run_tool("material", "1", "quote-1.rec", "--strict")
      assert_equal [1, true], [status, err.include?("the document would not be well-formed XML: line 2")]

      repaired, err, = run_tool("material", "1", "quote-1.rec", "--well-formed")
      assert_equal exact.gsub('url="/a"b', 'url="/a&quot;b'), repaired # a quotation mark is fine in text
      assert_equal 2, err.scan("repaired line").size
    end
  end

  def test_manners
    version = File.read(File.expand_path("../ext/noxbin2xml/Version.h", __dir__))[/"(.+)"/, 1]
    assert_equal "noxbin2xml #{version}\n", run_tool("--version").first
    _, err, status = run_tool("lihgt", "2")
    assert_equal [2, "noxbin2xml: unknown command 'lihgt' (light, material, scene or explain)\n"], [status, err]
    _, err, status = run_tool("light", "auto", stdin: "")
    assert_equal [2, true], [status, err.include?("standard input has none")]

    omni = run_tool("light", "2", sample("lights/omni-2.rec")).first
    paste = "\xEF\xBB\xBF=> #{File.binread(sample('lights/omni-2.rec')).bytes}\nnil\n"
    assert_equal omni, run_tool("light", "2", stdin: paste).first

    in_tmp do
      12.times { |i| copy("lights/omni-2.rec", "in/o#{i}-2.rec") }
      assert_equal ["", ""], run_tool("-q", "light", "auto", "in", "-o", "out")[0, 2]
      assert_equal 12, run_tool("light", "auto", "in", "-o", "out", "-v").first.scan("-> out#{SEPARATOR}").size
      skip_on_windows "no pseudo-terminals"
      screen = terminal_output(40, "light", "auto", "in", "-o", "out")
      assert_includes screen, "] 11/12 o9-2.rec"
      assert screen.split(/\r\n?/).all? { |line| line.size < 40 }, screen
    end
    assert_includes terminal_output(80, "light", "2", stdin_eof: true), "reading a record from the terminal"
  end

  # What the tool shows on a terminal of the given width.
  def terminal_output(columns, *args, stdin_eof: false)
    PTY.open do |terminal, tty|
      terminal.winsize = [24, columns]
      pid = spawn(TOOL, *args, in: tty, out: tty, err: tty)
      tty.close
      sleep 0.2 if stdin_eof
      terminal.write("\x04") if stdin_eof
      screen = +""
      begin
        loop { screen << terminal.readpartial(4096) }
      rescue EOFError, Errno::EIO # the tool closed the terminal
      end
      Process.wait(pid)
      screen
    end
  end
end
